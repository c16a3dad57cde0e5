/*
 * rtprobe - drives runtime routines of the "mini" scanner directly, for the
 * behaviours that a parser alone does not reach.
 *
 *   rtprobe conv                 every predefined conversion on sample texts
 *   rtprobe enomem FILE          reads two tokens, then reports i_ENOMEM
 *   rtprobe delete FILE          i_delete_until up to a semicolon
 *   rtprobe messages FILE        one report of every catalogue number
 *   rtprobe readline [PROMPT]    echoes the lines read by i_read_line
 */
#include "mini.h"

static void show_text(const char *name, const char *input, const char *result)
{
  printf("%s(\"%s\") = \"%s\"\n", name, input, result);
}

static void conversions(void)
{
  static const char *const texts[] = { "a_b1", "Hello World", "  a  b  ", "\t x\ty ", "",
                                       "\"quoted\"", "\"\"", "x" };
  for (size_t i = 0; i < sizeof texts / sizeof texts[0]; i++) {
    show_text("get_repr", texts[i], get_repr(texts[i]));
    show_text("convert_to_upper", texts[i], convert_to_upper(texts[i]));
    show_text("convert_to_lower", texts[i], convert_to_lower(texts[i]));
    show_text("delete_spaces", texts[i], delete_spaces(texts[i]));
    show_text("string_encode", texts[i], string_encode(texts[i]));
  }
  static const char *const chars[] = { "'x'", "'\\a'", "'\\b'", "'\\f'", "'\\n'", "'\\r'",
                                       "'\\t'", "'\\v'", "'\\\\'", "'\\''", "'\\q'", "'\\0'",
                                       "y", "zz", "", "'''" };
  for (size_t i = 0; i < sizeof chars / sizeof chars[0]; i++)
    printf("char_encode(\"%s\") = %d\n", chars[i], char_encode(chars[i]));
  static const char *const bools[] = { "TRUE", "true", "t", "False", "", "yes" };
  for (size_t i = 0; i < sizeof bools / sizeof bools[0]; i++)
    printf("bool_encode(\"%s\") = %d\n", bools[i], bool_encode(bools[i]));
  static const char *const ints[] = { "42", "-17", "+8", "007", "12abc", "",
                                      "99999999999999999999", "-99999999999999999999" };
  for (size_t i = 0; i < sizeof ints / sizeof ints[0]; i++)
    printf("int_encode(\"%s\") = %d\n", ints[i], int_encode(ints[i]));
  static const char *const reals[] = { "3.25", "1e3", "-0.5", "7", "" };
  for (size_t i = 0; i < sizeof reals / sizeof reals[0]; i++)
    printf("real_encode(\"%s\") = %g\n", reals[i], real_encode(reals[i]));
  string s = "x";
  boolean b = true;
  char c = 'c';
  integer n = 5;
  real r = 2.5;
  i_string(&s);
  i_boolean(&b);
  i_char(&c);
  i_integer(&n);
  i_real(&r);
  printf("defaults: \"%s\" %d %d %d %g\n", s, b, c, n, r);
}

static void all_messages(void)
{
  for (int code = 0; code <= 61; code++) {
    switch (code) {
    case 29:
      i_report(code, 'Q');
      break;
    case 50:
      i_report(code, "free text %d\n", 50);
      break;
    case 57:
    case 58:
      i_report(code, "test text %d", code);
      break;
    default:
      /* Texts with %d get numbers, the others strings (27 would end the
         run and has a case of its own). */
      if (code == 5 || code == 7 || code == 8 || code == 19 || code == 34 || code == 36 ||
          (code >= 53 && code <= 56))
        i_report(code, code, code + 1);
      else if (code == 27)
        continue;
      else
        i_report(code, "one", "two");
    }
  }
  i_report(62);
  i_report(-1);
}

static void read_lines(const char *prompt)
{
  char *line;
  while ((line = i_read_line(prompt)) != NULL)
    printf("[%s]\n", line);
  printf("(end)\n");
}

int main(int ac, char **av)
{
  if (ac >= 2 && strcmp(av[1], "conv") == 0) {
    conversions();
    return 0;
  }
  if (ac >= 2 && strcmp(av[1], "readline") == 0) {
    read_lines(ac >= 3 ? av[2] : NULL);
    return 0;
  }
  if (ac < 3)
    return 2;
  const char *mode = av[1];
  if (!i_init(ac - 1, av + 1))
    return 1;
  if (strcmp(mode, "enomem") == 0) {
    i_next_token();
    i_next_token();
    i_report(i_ENOMEM, 12, "probe");
    return 3;                           /* not reached */
  }
  if (strcmp(mode, "delete") == 0) {
    unsigned int markers[i_token_set_size] = { 0 };
    i_next_token();
    i_delete_until(markers, semicolon, -1);
    printf("stopped at %s, in set: %d %d\n", i_token_names[i_look_ahead],
           i_in_set(i_look_ahead, ident, semicolon, -1), i_in_set(i_look_ahead, ident, -1));
    unsigned int none[i_token_set_size] = { 0 };
    i_delete_until(none, -1);
    printf("stopped at %s\n", i_token_names[i_look_ahead]);
  } else if (strcmp(mode, "messages") == 0) {
    i_next_token();
    all_messages();
  }
  return i_finish();
}
