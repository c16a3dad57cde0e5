#include "messages.h"

namespace zedra {
namespace {

// The texts by number; the number of a message is its index.
constexpr const char* kMessages[kMessageCount] = {
    /*  0 */ "'%s' is argument of '%s' called in '%s' parser rule",
    /*  1 */ "Warning: This operation will result in clearing all (indirect) references to %s: '%s' (listed below)",
    /*  2 */ "File %s already exists.\nAre you sure to overwrite it?",
    /*  3 */ "%s has been changed.\nSave before %s?",
    /*  4 */ "Action '%s' is called in '%s' parser rule",
    /*  5 */ "'%s' is argument of '%s' called in '%s' parser rule",
    /*  6 */ "Action '%s' is used as default action of parser attribute '%s'",
    /*  7 */ "Action '%s' is assigned to attribute '%s' of %s",
    /*  8 */ "Attribute '%s' is initialised in %s",
    /*  9 */ "Action '%s' is reserved action of scanner rule '%s'",
    /* 10 */ "Type value '%s' is assigned to attribute '%s' of %s",
    /* 11 */ "Type '%s' is used by %s '%s'",
    /* 12 */ "Overwriting action file '%s' with '%s'.\nAre you sure?",
    /* 13 */ "",
    /* 14 */ "Attribute '%s' is not associated with %s '%s'",
    /* 15 */ "Not enough arguments specified in '%s'",
    /* 16 */ "Too many arguments specified in '%s'",
    /* 17 */ "Multiple root specification",
    /* 18 */ "Cannot handle nested include files",
    /* 19 */ "Newline in string constant",
    /* 20 */ "Argument #%d of '%s' undefined",
    /* 21 */ "Attribute '%s' undefined",
    /* 22 */ "User defined actions without a specified definition file",
    /* 23 */ "No ROOT rule specified, cannot continue",
    /* 24 */ "Type conflict in argument #%d of '%s'",
    /* 25 */ "Unknown option: '%s'",
    /* 26 */ "%s at '%s'",
    /* 27 */ "Buffer overflow, rhs of parser rule '%s' exceeds %d bytes",
    /* 28 */ "Rule '%s': dirset and follow set of CHAIN are not disjoint",
    /* 29 */ "Rule '%s': (union of) dirset(s) of alternative(s) is empty",
    /* 30 */ "Rule '%s': attribute '%s' in call '%s' not (always) evaluated",
    /* 31 */ "File '%s' does not exist or is unreadable",
    /* 32 */ "File '%s' not writable, cannot continue",
    /* 33 */ "Rule '%s': local '%s' hides a non-local attribute",
    /* 34 */ "Character set ranges should be disjunct",
    /* 35 */ "%s '%s' of %s '%s' undefined",
    /* 36 */ "Open of %s failed",
    /* 37 */ "Name '%s' already exists",
    /* 38 */ "Right hand side '%s' already defined in '%s'",
    /* 39 */ "No such action for type '%s'",
    /* 40 */ "Rule '%s': argument '%s' of call '%s' NOT set",
    /* 41 */ "Parser attribute '%s': no associated non-terminals",
    /* 42 */ "Scanner attribute '%s': no associated terminals",
    /* 43 */ "Terminal '%s': attribute '%s' not set",
    /* 44 */ "Parser attribute '%s': no default action",
    /* 45 */ "Name should start with a letter (but NOT with p_, t_, v_ or i_) optionally followed by zero or more letters, digits or underscores ",
    /* 46 */ "No input file specified",
    /* 47 */ "Keyword(s) defined without a scanner rule to verify",
    /* 48 */ "Rule '%s': cannot handle keyword LIST",
    /* 49 */ "Out of memory at line %d in %s, cannot continue",
    /* 50 */ "Rule '%s': cannot handle keyword PACK",
    /* 51 */ "Character set '%s': no range specified",
    /* 52 */ "%s '%s': right-hand side not specified",
    /* 53 */ "Rule '%s': undefined (non)terminal '%s'",
    /* 54 */ "Rule '%s': %s attribute '%s of %s#%d' not (always) available",
    /* 55 */ "Rule '%s': dirsets of alternatives are not disjoint",
    /* 56 */ "Rule '%s': '%s' is not a terminal anymore (due to '%s')",
    /* 57 */ "No scanner rules or symbols specified",
    /* 58 */ "Scanner type '%s': no type values specified",
    /* 59 */ "%s '%s': no type specified",
    /* 60 */ "Rule '%s': first and follow sets of %s should be disjoint, and its operand should be non-empty",
    /* 61 */ "Cannot save %s.t as %s.t, file name should stay the same",
    /* 62 */ "Rule '%s': %s#%d in call '%s' not in reachability set",
    /* 63 */ "Rule '%s': cannot reduce due to (endless) recursion",
    /* 64 */ "'%s' is a reserved word in %s",
    /* 65 */ "Rule '%s': action '%s' not found, see Parser Actions",
    /* 66 */ "'%s' is used in rule '%s', cannot delete",
    /* 67 */ "Save of %s failed",
    /* 68 */ "Cannot handle more than %d characters for parser names",
    /* 69 */ "'%s' is used in parser rule '%s', cannot %s",
    /* 70 */ "More than %d %s, cannot continue",
    /* 71 */ "Transition conflict detected during DFA construction",
    /* 72 */ "Rule '%s': %s at %s",
    /* 73 */ "",
    /* 74 */ "- input file     : %s",
    /* 75 */ "- generated file : %s",
    /* 76 */ "- listing file   : %s",
    /* 77 */ "- errors         : %d error(s) detected",
    /* 78 */ "Search string '%s' not found in rhs of %s rules",
    /* 79 */ "Starting %s ...",
    /* 80 */ "%s test aborted",
    /* 81 */ "",
    /* 82 */ "Definitions section in include file ignored",
    /* 83 */ "Rule '%s': %s attribute '%s of %s#%d' (is set but) not (always) used",
    /* 84 */ "%s attribute '%s' is never used",
    /* 85 */ "Rule '%s': attribute '%s' in call '%s' evaluated more than once",
    /* 86 */ "Rule '%s': local '%s' (is set but) not (always) used",
    /* 87 */ "Module '%s' not present, creating a template",
    /* 88 */ "Rule '%s': never reduced",
};

}  // namespace

const char* message_text(int number) {
  return number >= 0 && number < kMessageCount ? kMessages[number] : "";
}

MessageClass message_class(int number) {
  if (number < 0 || number >= kMessageCount) return MessageClass::Separator;
  if (number <= 12) return MessageClass::Query;
  if (number == 13 || number == 81) return MessageClass::Separator;
  if (number <= 72) return MessageClass::Error;
  if (number == kMsgFreeText) return MessageClass::FreeText;
  if (number <= 80) return MessageClass::Information;
  return MessageClass::Warning;
}

void list_all_messages(std::FILE* out) {
  std::fputs("\nALL ERROR MESSAGES:\n", out);
  for (int number = 14; number <= 72; ++number) {
    std::fputs(kMessages[number], out);
    std::fputc('\n', out);
  }
}

}  // namespace zedra
