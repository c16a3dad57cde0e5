/* Runs a command on a new pseudo terminal, types the contents of a key
 * file into it, and copies everything the command writes on the terminal
 * to standard output. Echo and output newline translation are off, so the
 * transcript is what the program wrote. Exit status: the command's.
 *
 * usage: ptyrun KEYFILE COMMAND [ARG...]
 */
#define _DEFAULT_SOURCE
#include <errno.h>
#include <pty.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

static pid_t child;

static void on_timeout(int signal_number) {
  (void)signal_number;
  if (child > 0) kill(child, SIGKILL);
  _exit(124);
}

static int type_keys(int terminal, const char *key_file) {
  FILE *keys = fopen(key_file, "rb");
  if (keys == NULL) {
    fprintf(stderr, "ptyrun: cannot read %s\n", key_file);
    return 0;
  }
  char buffer[4096];
  size_t count;
  while ((count = fread(buffer, 1, sizeof buffer, keys)) > 0) {
    if (write(terminal, buffer, count) != (ssize_t)count) break;
  }
  fclose(keys);
  return 1;
}

static void copy_output(int terminal) {
  char buffer[4096];
  for (;;) {
    ssize_t count = read(terminal, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break; /* EIO once the command has closed the terminal */
    /* unbuffered, so that a transcript cut short by the timeout shows */
    if (write(STDOUT_FILENO, buffer, (size_t)count) != count) break;
  }
}

int main(int argc, char **argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: ptyrun KEYFILE COMMAND [ARG...]\n");
    return 2;
  }
  struct termios settings;
  memset(&settings, 0, sizeof settings);
  settings.c_iflag = ICRNL;
  settings.c_lflag = ICANON | ISIG;
  settings.c_cflag = CS8 | CREAD;
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VEOF] = 4;
  settings.c_cc[VINTR] = 3;
  cfsetispeed(&settings, B38400);
  cfsetospeed(&settings, B38400);

  int terminal;
  child = forkpty(&terminal, NULL, &settings, NULL);
  if (child < 0) {
    perror("ptyrun: forkpty");
    return 2;
  }
  if (child == 0) {
    execvp(argv[2], argv + 2);
    perror("ptyrun: exec");
    _exit(127);
  }
  signal(SIGALRM, on_timeout);
  alarm(30);
  if (!type_keys(terminal, argv[1])) kill(child, SIGKILL);
  copy_output(terminal);
  int status = 0;
  waitpid(child, &status, 0);
  close(terminal);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
