/*
 * kamfile.h - the KAM code file the compiler writes.
 *
 * The file is named after the source ("prog.pas" gives "prog.kam" in the
 * current folder) unless the option -o names it.  It is written only when
 * the compilation found no error; otherwise a file of that name left by an
 * earlier run is removed, so that a build never runs old code.
 */
#ifndef kamfile_h
#define kamfile_h

/* Declares the option -o; call before i_init reads the command line. */
void kam_file_options(void);

/* Writes the code and its tables, or removes a stale file after errors
   or when the source was not COMPLETE; the summary lines name the file and
   count what it holds. */
void kam_file_finish(int complete);

#endif
