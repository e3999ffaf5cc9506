// Pictures of the console window written as uncompressed 24-bit BMP files:
// the back buffer, whole and screen-sized, or the client area as the screen
// shows it now. Each returns false when the file cannot be written.
#pragma once

bool WriteBackBufferBmp(const char* path);
bool WriteWindowBmp(const char* path);
