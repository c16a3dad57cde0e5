/*
 * backend.h - the calls that the KAM-code reader makes into a translator's
 * back-end, in this order: begin_code, then emit_label / emit_instruction
 * per label and instruction, end_code; begin_lengths, emit_length per entry,
 * end_lengths; begin_strings, emit_string per entry, end_strings.
 *
 * Every text argument is the lexeme as written in the KAM file (sign and
 * quotes included); a missing operand is NULL or empty.  The reader is C,
 * the back-end C++ behind this interface.
 */
#ifndef kamtrans_backend_h
#define kamtrans_backend_h

#ifdef __cplusplus
extern "C" {
#endif

/* The module name of the input (its base name); the program file is named
   after it.  Must be called before begin_code. */
void backend_set_module(const char *module_name);

/* The line of the runtime's look-ahead, the first token of a line of the
   KAM file, is the line of the back-end's messages until the next call. */
void note_line(void);

void begin_code(void);
void emit_label(const char *number);
void emit_instruction(int opcode, const char *first, const char *second, const char *third);
void end_code(void);

void begin_lengths(void);
void emit_length(const char *index, const char *value);
void end_lengths(void);

void begin_strings(void);
void emit_string(const char *number, const char *lexeme);
void end_strings(void);

/* Reporter of the runtime of generated compilers; the back-end reports
   message 36 (string table full) and 27 (out of memory) through it. */
void i_report(int code, ...);
/* Whether NAME is the KAM file being read (a boolean of the runtime). */
int i_is_input_file(const char *name);
/* The runtime's reporter of errors of the compiler's own (counted): the
   back-end reports labels that jumps and calls name but no instruction
   carries, negative lengths and strings it cannot write. */
void i_error_at(int line, const char *format, ...);
/* The line of the runtime's current token. */
int i_token_line(void);

#ifdef __cplusplus
}
#endif

#endif
