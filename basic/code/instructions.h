// Every instruction of the compact form, once. The list expands into the
// Op enum and the instructions' names (code.h), their stack effects
// (EffectOf), the executor's dispatch table, whose inline instructions
// each need a handler of that name in its loop, and the table of
// statement handlers, whose instructions each need a routine Run<name>
// (executor/statements.cpp). An instruction listed without its handler
// does not compile.
//
//   INLINE(name, ...)     run in the executor's loop itself: the arithmetic,
//                         comparisons, jumps, loops and calls
//   STATEMENT(name, ...)  run by Run<name>, out of the loop
//
// After the name: the numbers the instruction takes off the number stack
// and leaves on it, the same for the string stack (expressions of the
// instruction `in` where they depend on its operands), and what its
// operands a, b and c hold, a letter each, for the listing:
//   k number constant   s string constant   v number variable
//   t string variable   a array             j position (a jump's target)
//   l loop              c call site         f built-in function
//   r comparison        i INPUT's form      d DATA item
//   y a number's type   n a count or flags  - unused
#pragma once

#define BASIC_INSTRUCTIONS(INLINE, STATEMENT)                                                       \
  /* Numbers. */                                                                                    \
  INLINE(PushNumber, 0, 1, 0, 0, "k--")                                                             \
  INLINE(LoadNumber, 0, 1, 0, 0, "v--")                                                             \
  /* Each store keeps the value to its variable's kind: Overflow when it */                         \
  /* cannot (code/value_kind.h). */                                                                 \
  INLINE(StoreDouble, 1, 0, 0, 0, "v--")                                                            \
  INLINE(StoreSingle, 1, 0, 0, 0, "v--")  /* rounds to the nearest float */                         \
  INLINE(StoreInteger, 1, 0, 0, 0, "v--") /* rounds, ties to even */                                \
  INLINE(StoreLong, 1, 0, 0, 0, "v--")                                                              \
  /* An INTEGER or LONG operation's result out of its kind's range is */                            \
  /* Overflow; before a store of that kind, the store checks it. */                                 \
  INLINE(CheckInteger, 1, 1, 0, 0, "---")                                                           \
  INLINE(CheckLong, 1, 1, 0, 0, "---")                                                              \
  INLINE(Add, 2, 1, 0, 0, "---")                                                                    \
  INLINE(Subtract, 2, 1, 0, 0, "---")                                                               \
  INLINE(Multiply, 2, 1, 0, 0, "---")                                                               \
  INLINE(Divide, 2, 1, 0, 0, "---")                                                                 \
  /* The same with the right operand a variable's or a constant's, fused */                         \
  /* with the load that would have pushed it. */                                                    \
  INLINE(AddVariable, 1, 1, 0, 0, "v--")                                                            \
  INLINE(SubtractVariable, 1, 1, 0, 0, "v--")                                                       \
  INLINE(MultiplyVariable, 1, 1, 0, 0, "v--")                                                       \
  INLINE(DivideVariable, 1, 1, 0, 0, "v--")                                                         \
  INLINE(AddConstant, 1, 1, 0, 0, "k--")                                                            \
  INLINE(SubtractConstant, 1, 1, 0, 0, "k--")                                                       \
  INLINE(MultiplyConstant, 1, 1, 0, 0, "k--")                                                       \
  INLINE(DivideConstant, 1, 1, 0, 0, "k--")                                                         \
  /* And with the left operand a variable's too; the result is pushed. */                           \
  INLINE(VariableAddConstant, 0, 1, 0, 0, "vk-")                                                    \
  INLINE(VariableSubtractConstant, 0, 1, 0, 0, "vk-")                                               \
  INLINE(VariableMultiplyConstant, 0, 1, 0, 0, "vk-")                                               \
  INLINE(VariableDivideConstant, 0, 1, 0, 0, "vk-")                                                 \
  INLINE(VariableAddVariable, 0, 1, 0, 0, "vv-")                                                    \
  INLINE(VariableSubtractVariable, 0, 1, 0, 0, "vv-")                                               \
  INLINE(VariableMultiplyVariable, 0, 1, 0, 0, "vv-")                                               \
  INLINE(VariableDivideVariable, 0, 1, 0, 0, "vv-")                                                 \
  INLINE(Power, 2, 1, 0, 0, "---")                                                                  \
  INLINE(Negate, 1, 1, 0, 0, "---")                                                                 \
  STATEMENT(IntegerDivide, 2, 1, 0, 0, "---")                                                       \
  STATEMENT(Modulo, 2, 1, 0, 0, "---")                                                              \
  STATEMENT(And, 2, 1, 0, 0, "---")                                                                 \
  STATEMENT(Or, 2, 1, 0, 0, "---")                                                                  \
  STATEMENT(Xor, 2, 1, 0, 0, "---")                                                                 \
  STATEMENT(Eqv, 2, 1, 0, 0, "---")                                                                 \
  STATEMENT(Imp, 2, 1, 0, 0, "---")                                                                 \
  STATEMENT(Not, 1, 1, 0, 0, "---")                                                                 \
  INLINE(Equal, 2, 1, 0, 0, "---")                                                                  \
  INLINE(NotEqual, 2, 1, 0, 0, "---")                                                               \
  INLINE(Less, 2, 1, 0, 0, "---")                                                                   \
  INLINE(Greater, 2, 1, 0, 0, "---")                                                                \
  INLINE(LessEqual, 2, 1, 0, 0, "---")                                                              \
  INLINE(GreaterEqual, 2, 1, 0, 0, "---")                                                           \
  INLINE(Pop, 1, 0, 0, 0, "---")                                                                    \
  /* Strings. */                                                                                    \
  STATEMENT(PushString, 0, 0, 0, 1, "s--")                                                          \
  STATEMENT(LoadString, 0, 0, 0, 1, "t--")                                                          \
  STATEMENT(StoreString, 0, 0, 1, 0, "t--")                                                         \
  STATEMENT(Concat, 0, 0, 2, 1, "---")                                                              \
  /* S$ = S$ + ...: the string on the stack appended to variable a, in its */                       \
  /* own block where there is room, without copying the variable first. */                          \
  STATEMENT(AppendString, 0, 0, 1, 0, "t--")                                                         \
  /* LEN of a string variable a, without a copy of it. */                                           \
  INLINE(StringVariableLength, 0, 1, 0, 0, "t--")                                                   \
  STATEMENT(CompareStrings, 0, 1, 2, 0, "r--")                                                      \
  /* A built-in function on the stacks' top operands (builtins.h). */                               \
  STATEMENT(CallBuiltin, BuiltinNumbers(BuiltinAt(in.a)), BuiltinNumberResults(BuiltinAt(in.a)),    \
            BuiltinTexts(BuiltinAt(in.a)), BuiltinTextResults(BuiltinAt(in.a)), "fy-")              \
  STATEMENT(Randomize, 1, 0, 0, 0, "---")                                                           \
  STATEMENT(SetEnvironment, 0, 0, 1, 0, "---") /* ENVIRON */                                        \
  /* Arrays: b subscripts, below the value to store. */                                             \
  STATEMENT(LoadElement, in.b, 1, 0, 0, "an-")                                                      \
  STATEMENT(StoreDoubleElement, in.b + 1, 0, 0, 0, "an-")                                           \
  STATEMENT(StoreSingleElement, in.b + 1, 0, 0, 0, "an-")                                           \
  STATEMENT(StoreIntegerElement, in.b + 1, 0, 0, 0, "an-")                                          \
  STATEMENT(StoreLongElement, in.b + 1, 0, 0, 0, "an-")                                             \
  STATEMENT(LoadStringElement, in.b, 0, 0, 1, "an-")                                                \
  STATEMENT(StoreStringElement, in.b, 0, 1, 0, "an-")                                               \
  /* c: a bit per dimension given as "lo TO hi"; the others have their */                           \
  /* upper bound only. */                                                                           \
  STATEMENT(Dim, in.b + LowerBoundsGiven(in.c), 0, 0, 0, "ann")                                     \
  STATEMENT(Redim, in.b + LowerBoundsGiven(in.c), 0, 0, 0, "ann")                                   \
  STATEMENT(Erase, 0, 0, 0, 0, "a--")                                                               \
  STATEMENT(Bound, 1, 1, 0, 0, "an-") /* b: 1 for the upper bound; the dimension on the stack */    \
  /* Scalars and DATA. SWAP: c holds the subscripts, a's + 4 * b's. */                              \
  STATEMENT(SwapNumbers, (in.c & 3) + (in.c >> 2), 0, 0, 0, "vvn")                                  \
  STATEMENT(SwapStrings, (in.c & 3) + (in.c >> 2), 0, 0, 0, "ttn")                                  \
  STATEMENT(Clear, 0, 0, 0, 0, "---")                                                               \
  STATEMENT(ReadNumber, 0, 1, 0, 0, "---")                                                          \
  STATEMENT(ReadString, 0, 0, 0, 1, "---")                                                          \
  STATEMENT(Restore, 0, 0, 0, 0, "d--")                                                             \
  /* Control. */                                                                                    \
  INLINE(Jump, 0, 0, 0, 0, "j--")                                                                   \
  INLINE(JumpIfFalse, 1, 0, 0, 0, "j--")                                                            \
  INLINE(JumpIfTrue, 1, 0, 0, 0, "j--")                                                             \
  INLINE(Gosub, 0, 0, 0, 0, "j--")                                                                  \
  INLINE(Return, 0, 0, 0, 0, "---")                                                                 \
  INLINE(OnGoto, 1, 0, 0, 0, "n--") /* a: the number of Jumps after it, one per target */           \
  INLINE(OnGosub, 1, 0, 0, 0, "n--")                                                                \
  /* FOR: start, limit and step kept to the variable's kind; c: after the loop */                    \
  INLINE(ForStartDouble, 3, 0, 0, 0, "vlj")                                                         \
  INLINE(ForStartSingle, 3, 0, 0, 0, "vlj")                                                         \
  INLINE(ForStartInteger, 3, 0, 0, 0, "vlj")                                                        \
  INLINE(ForStartLong, 3, 0, 0, 0, "vlj")                                                           \
  INLINE(ForNextDouble, 0, 0, 0, 0, "vlj") /* c: the first position of the body */                  \
  INLINE(ForNextSingle, 0, 0, 0, 0, "vlj")                                                          \
  INLINE(ForNextInteger, 0, 0, 0, 0, "vlj")                                                         \
  INLINE(ForNextLong, 0, 0, 0, 0, "vlj")                                                            \
  INLINE(End, 0, 0, 0, 0, "---")                                                                    \
  INLINE(Stop, 0, 0, 0, 0, "---") /* in the direct mode CONT goes on after it */                    \
  /* Procedures: b and c, the numbers and strings the arguments left. */                            \
  INLINE(CallSub, in.b, 0, in.c, 0, "cnn")                                                          \
  INLINE(CallFunction, in.b, 1, in.c, 0, "cnn")                                                     \
  INLINE(CallStringFunction, in.b, 0, in.c, 1, "cnn")                                               \
  INLINE(ReturnFromProcedure, 0, 0, 0, 0, "---")                                                    \
  /* Text and input. */                                                                             \
  STATEMENT(PrintNumber, 1, 0, 0, 0, "y--") /* a: the number's kind, which says how it is written */ \
  STATEMENT(PrintString, 0, 0, 1, 0, "---")                                                         \
  STATEMENT(PrintComma, 0, 0, 0, 0, "---")                                                          \
  STATEMENT(PrintTab, 1, 0, 0, 0, "---") /* to the column on the stack, from 1 */                   \
  STATEMENT(PrintSpc, 1, 0, 0, 0, "---")                                                            \
  STATEMENT(PrintNewline, 0, 0, 0, 0, "---")                                                        \
  STATEMENT(PrintFlush, 0, 0, 0, 0, "---")                                                          \
  STATEMENT(Locate, 5, 0, 0, 0, "n--") /* a: a bit for each of row, column, cursor, start, stop */  \
  STATEMENT(Input, 0, 0, 0, 0, "isn") /* b: prompt or -1; c: 1 adds "? " */                         \
  STATEMENT(InputFieldNumber, 0, 1, 0, 0, "n--")                                                    \
  STATEMENT(InputFieldString, 0, 0, 0, 1, "n--")                                                    \
  STATEMENT(LineInput, 0, 0, 0, 1, "s--") /* a: prompt or -1 */                                     \
  /* a: string variable or array; b: subscripts (0: a variable); c: 1 with a count */               \
  STATEMENT(MidAssign, in.b + 1 + in.c, 0, 1, 0, "tnn")                                             \
  /* Fixed-length strings (STRING * n, n in c): a store pads with spaces */                         \
  /* or cuts to n bytes; a load gives n bytes, NULs where nothing was stored. */                    \
  STATEMENT(LoadFixedString, 0, 0, 0, 1, "t-n")                                                     \
  STATEMENT(StoreFixedString, 0, 0, 1, 0, "t-n")                                                    \
  STATEMENT(LoadFixedStringElement, in.b, 0, 0, 1, "ann")                                           \
  STATEMENT(StoreFixedStringElement, in.b, 0, 1, 0, "ann")                                          \
  /* The screen and graphics (figure_flags.h for the flags). */                                     \
  STATEMENT(Cls, 1, 0, 0, 0, "---")                                                                 \
  STATEMENT(Line, in.c ? 5 : 6, 0, 0, 0, "nnn") /* a: STEP, b: box mode, c: 1 fills with the colour */ \
  STATEMENT(Circle, in.c ? 7 : 8, 0, 0, 0, "nnn") /* a: F, c: 1 fills with the colour */            \
  STATEMENT(Pset, 3, 0, 0, 0, "nnn")                                                                \
  STATEMENT(Paint, 4, 0, 0, 0, "n--") /* a: the arguments written, STEP */                          \
  STATEMENT(PaintTile, 3, 0, 2, 0, "n--") /* PAINT with tile strings: a as Paint's */              \
  STATEMENT(Draw, 0, 0, 1, 0, "---")                                                                \
  STATEMENT(Point, 2, 1, 0, 0, "---")                                                               \
  STATEMENT(Screen, 4, 0, 0, 0, "n--") /* a: the arguments written */                               \
  STATEMENT(Pcopy, 2, 0, 0, 0, "---")                                                               \
  STATEMENT(Color, 3, 0, 0, 0, "n--")                                                               \
  STATEMENT(Palette, 2, 0, 0, 0, "---")                                                             \
  STATEMENT(PaletteReset, 0, 0, 0, 0, "---")                                                        \
  STATEMENT(PaletteUsing, in.b, 0, 0, 0, "ann") /* a: the array, b: its subscripts */               \
  STATEMENT(Window, 4, 0, 0, 0, "n--") /* a: 1 for WINDOW SCREEN */                                 \
  STATEMENT(WindowReset, 0, 0, 0, 0, "---")                                                         \
  /* Sprites and VIEW (screen/compile_sprites.h): a the array, b its subscripts, */               \
  /* pushed after the points; GetSprite's c its STEPs, PutSprite's its action. */                  \
  STATEMENT(GetSprite, 4 + in.b, 0, 0, 0, "ann")                                                    \
  STATEMENT(PutSprite, 2 + in.b, 0, 0, 0, "ann")                                                    \
  /* BSAVE file$, offset, length; BLOAD file$ [, offset] (a: 1 with it) */                          \
  STATEMENT(Bsave, 2, 0, 1, 0, "---")                                                               \
  STATEMENT(Bload, in.a, 0, 1, 0, "n--")                                                            \
  /* VIEW: the corners, fill and border; a: 1 for VIEW SCREEN, b: fill (1) and border (2) written */ \
  STATEMENT(View, 6, 0, 0, 0, "nn-")                                                                \
  STATEMENT(ViewReset, 0, 0, 0, 0, "---")                                                           \
  STATEMENT(Pmap, 2, 1, 0, 0, "---")                                                                \
  STATEMENT(PointOf, 1, 1, 0, 0, "---") /* POINT(n) */                                              \
  /* The PC's text screen. */                                                                      \
  STATEMENT(Width, 2, 0, 0, 0, "n--") /* a: 1 when the columns were written, + 2 the rows */        \
  STATEMENT(ViewPrint, 2, 0, 0, 0, "n--") /* a: 1 with its rows */                                  \
  STATEMENT(ScreenCell, 3, 1, 0, 0, "n--") /* SCREEN(row, column [, 1]); a: 1 with the third */     \
  /* Keys and sound. */                                                                             \
  STATEMENT(Sleep, 1, 0, 0, 0, "---")                                                               \
  STATEMENT(SleepForKey, 0, 0, 0, 0, "---")                                                         \
  /* Event traps (keys_and_sound/events.h): the check before each statement of a program that */  \
  /* traps events; ON KEY/TIMER/PLAY(n) GOSUB a (b: the kind, 0 key, 1 timer, 2 play; a -1 for */    \
  /* none); KEY(n)/TIMER/PLAY ON, OFF, STOP (a: the kind, b: 0 off, 1 on, 2 stop). */                \
  INLINE(EventCheck, 0, 0, 0, 0, "---")                                                             \
  STATEMENT(OnEvent, 1, 0, 0, 0, "jn-")                                                             \
  STATEMENT(SwitchEvent, 1, 0, 0, 0, "nn-")                                                         \
  /* The soft keys: KEY n, text$; KEY LIST; KEY ON (a: 1) and OFF (a: 0). */                        \
  STATEMENT(KeyDefine, 1, 0, 1, 0, "---")                                                           \
  STATEMENT(KeyList, 0, 0, 0, 0, "---")                                                             \
  STATEMENT(KeyShow, 0, 0, 0, 0, "n--")                                                             \
  /* QB64's words: _TITLE text$, _DELAY seconds, _LIMIT fps (basic/qb64/). */                      \
  STATEMENT(QbTitle, 0, 0, 1, 0, "---")                                                             \
  STATEMENT(QbDelay, 1, 0, 0, 0, "---")                                                             \
  STATEMENT(QbLimit, 1, 0, 0, 0, "---")                                                             \
  STATEMENT(Beep, 0, 0, 0, 0, "---")                                                                \
  STATEMENT(Sound, 2, 0, 0, 0, "---") /* frequency, duration in clock ticks */                               \
  STATEMENT(Play, 0, 0, 1, 0, "---") /* the music string */                                         \
  STATEMENT(PlayQueued, 1, 1, 0, 0, "---") /* PLAY(n): the notes queued */                         \
  /* Files (files/). A file number is a number on the stack; b: 1 when an */                        \
  /* item goes to the file PRINT # or LPRINT chose, not to the screen. */                            \
  /* OPEN: the name; the number and LEN; a: FileMode, b: FileAccess, c: FileLock + 8 with LEN */     \
  STATEMENT(Open, 2, 0, 1, 0, "nnn")                                                                \
  STATEMENT(OpenClassic, 2, 0, 2, 0, "n--") /* OPEN "O", #1, "F": letters, name; number, LEN; a: LEN */ \
  STATEMENT(Close, 1, 0, 0, 0, "---")                                                               \
  STATEMENT(CloseAll, 0, 0, 0, 0, "---")                                                            \
  STATEMENT(SeekFile, 2, 0, 0, 0, "---")                                                            \
  STATEMENT(PrintFileStart, in.a ? 0 : 1, 0, 0, 0, "n--") /* a: 1 for LPRINT, with no number */    \
  STATEMENT(PrintFileEnd, 0, 0, 0, 0, "---")                                                        \
  STATEMENT(WriteNumber, 1, 0, 0, 0, "ynn") /* c: 1 adds a comma after it */                        \
  STATEMENT(WriteString, 0, 0, 1, 0, "-nn")                                                         \
  STATEMENT(UsingStart, 0, 0, 1, 0, "---") /* PRINT USING's format */                               \
  STATEMENT(UsingNumber, 1, 0, 0, 0, "yn-")                                                         \
  STATEMENT(UsingString, 0, 0, 1, 0, "-n-")                                                         \
  STATEMENT(UsingEnd, 0, 0, 0, 0, "-n-")                                                            \
  STATEMENT(InputFileStart, 1, 0, 0, 0, "---")                                                      \
  STATEMENT(InputFileNumber, 0, 1, 0, 0, "---")                                                     \
  STATEMENT(InputFileString, 0, 0, 0, 1, "---")                                                     \
  STATEMENT(LineInputFile, 0, 0, 0, 1, "---")                                                       \
  /* GET and PUT: the number and the record or position; a: 1 when it is given */                  \
  STATEMENT(TransferStart, 2, 0, 0, 0, "n--")                                                       \
  STATEMENT(GetRecord, 0, 0, 0, 0, "---") /* the FIELD buffer */                                    \
  STATEMENT(PutRecord, 0, 0, 0, 0, "---")                                                           \
  STATEMENT(GetNumber, 0, 1, 0, 0, "y--")                                                           \
  STATEMENT(GetString, 0, 0, 1, 1, "---") /* takes the variable's value, for its length */         \
  STATEMENT(PutNumber, 1, 0, 0, 0, "y--")                                                           \
  STATEMENT(PutString, 0, 0, 1, 0, "---")                                                           \
  /* A whole record variable (TYPE): a its layout, b the element's subscripts */                    \
  STATEMENT(GetRecordVariable, in.b, 0, 0, 0, "nn-")                                                \
  STATEMENT(PutRecordVariable, in.b, 0, 0, 0, "nn-")                                                \
  STATEMENT(FieldStart, 1, 0, 0, 0, "---")                                                          \
  STATEMENT(Field, 1, 0, 0, 0, "t--") /* the width; a: the string variable */                       \
  STATEMENT(SetField, 0, 0, 1, 0, "tn-") /* LSET, RSET (b: 1) of variable a */                      \
  STATEMENT(Kill, 0, 0, 1, 0, "---")                                                                \
  STATEMENT(NameFile, 0, 0, 2, 0, "---")                                                            \
  STATEMENT(Mkdir, 0, 0, 1, 0, "---")                                                               \
  STATEMENT(Rmdir, 0, 0, 1, 0, "---")                                                               \
  STATEMENT(Chdir, 0, 0, 1, 0, "---")                                                               \
  STATEMENT(Files, 0, 0, in.a, 0, "n--") /* a: 1 with a pattern */                                  \
  /* Memory and ports (memory/): DEF SEG with a segment when a is 1; WAIT's */                      \
  /* port and masks. The address of variable a (b subscripts, 0 for a */                            \
  /* scalar): c is an AddressQuery (memory/variable_memory.h). */                                  \
  STATEMENT(DefSeg, in.a, 0, 0, 0, "n--")                                                           \
  STATEMENT(Poke, 2, 0, 0, 0, "---")                                                                \
  STATEMENT(Out, 2, 0, 0, 0, "---")                                                                 \
  STATEMENT(Wait, 3, 0, 0, 0, "---")                                                                \
  STATEMENT(VariableAddress, in.b, 1, 0, 0, "nnn")                                                  \
  STATEMENT(VarptrString, 0, 0, 0, 1, "n-n") /* VARPTR$: a the slot, c the type byte */        \
  /* The address of a record or of one of its fields: a the record's layout */                     \
  /* (an element's, b subscripts), c the AddressQuery and the field's byte. */                     \
  STATEMENT(RecordAddress, in.b, 1, 0, 0, "nnn")                                                    \
  /* Errors and their trapping (executor/error_trap.h). */                                          \
  STATEMENT(OnErrorGoto, 0, 0, 0, 0, "j--") /* a: the handler, -1 for ON ERROR GOTO 0 */            \
  STATEMENT(RaiseError, 1, 0, 0, 0, "---") /* ERROR n */                                            \
  INLINE(Resume, 0, 0, 0, 0, "jn-") /* b: ResumeForm; a: the line of RESUME line */                 \
  /* Error a, its detail the string b: a numbered program's line that did */                         \
  /* not compile, or its jump to a missing line; c: 1 when a condition */                          \
  /* on the stack decides (IF X THEN 100), 0 when it always fails, 2 when */                        \
  /* it always fails with a number to drop (ON KEY(n) GOSUB 100). */                               \
  STATEMENT(FailWith, in.c != 0 ? 1 : 0, 0, 0, 0, "nsn")                                             \
  /* A numbered program's DEF FN of procedure a: run, it defines the function, */                   \
  /* which each call checks first (Function not defined). */                                       \
  STATEMENT(DefineFunction, 0, 0, 0, 0, "n--")                                                      \
  STATEMENT(CheckDefined, 0, 0, 0, 0, "n--")                                                        \
  /* The direct mode's commands in a program (compiler/compile_commands.h). */                     \
  INLINE(Restart, 0, 0, 0, 0, "j--") /* RUN: every value anew, then on at a */                      \
  STATEMENT(ListProgram, 0, 0, 0, 0, "nn-") /* LIST a-b: -1 for a bound not written */              \
  STATEMENT(SaveProgram, 0, 0, 1, 0, "---") /* SAVE file$ */                                        \
  STATEMENT(Trace, 0, 0, 0, 0, "n--") /* TRON (a: 1), TROFF (a: 0) */                               \
  STATEMENT(TraceLine, 0, 0, 0, 0, "n--") /* a numbered line starts: "[a]" while tracing */
