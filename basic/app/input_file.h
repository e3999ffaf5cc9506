// The script of typed lines --input names: a file, or standard input.
#pragma once

#include <memory>
#include <string>
#include "basic/app/options.h"
#include "basic/text/input_script.h"

// The script --input names, read as the program asks for lines; null when
// there is none. False, with a message in *error, when it cannot be opened.
bool OpenInputScript(const BasicAppOptions& options, std::unique_ptr<InputScript>* script, std::string* error);
