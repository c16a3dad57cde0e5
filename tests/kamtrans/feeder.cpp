// Test-only stand-in for the generated KAM-code reader: it reads a KAM file
// the way the reader's grammar does and makes the same back-end calls in the
// same order, so the back-ends can be tested before the reader is built.
// usage: kamtrans_feed_<tool> FILE.kam
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "backend.h"
#include "opcodes.h"

namespace {

enum class Kind { Number, Colon, Dot, Word, String, End };

struct Token {
  Kind kind;
  std::string text;
};

std::vector<Token> tokens_of(const std::string& source) {
  std::vector<Token> tokens;
  std::size_t p = 0;
  while (p < source.size()) {
    const unsigned char c = static_cast<unsigned char>(source[p]);
    const std::size_t start = p;
    if (std::isspace(c)) {
      ++p;
    } else if (c == '#') {
      while (p < source.size() && source[p] != '\n') ++p;
    } else if (c == ':' || c == '.') {
      tokens.push_back({c == ':' ? Kind::Colon : Kind::Dot, std::string(1, static_cast<char>(c))});
      ++p;
    } else if (c == '"') {
      p = source.find('"', p + 1);
      p = p == std::string::npos ? source.size() : p + 1;
      tokens.push_back({Kind::String, source.substr(start, p - start)});
    } else if (std::isdigit(c) || c == '+' || c == '-') {
      ++p;
      while (p < source.size() && std::isdigit(static_cast<unsigned char>(source[p]))) ++p;
      tokens.push_back({Kind::Number, source.substr(start, p - start)});
    } else if (c == '_' || std::islower(c)) {
      while (p < source.size() && (source[p] == '_' || std::islower(static_cast<unsigned char>(source[p])))) ++p;
      tokens.push_back({Kind::Word, source.substr(start, p - start)});
    } else {
      std::fprintf(stderr, "feeder: unexpected character '%c'\n", c);
      std::exit(3);
    }
  }
  tokens.push_back({Kind::End, ""});
  return tokens;
}

class Feeder {
 public:
  explicit Feeder(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  void run() {
    begin_code();
    while (at(Kind::Number) || at(Kind::Word)) instruction();
    end_code();
    expect(Kind::Dot);
    begin_lengths();
    while (at(Kind::Number)) {
      const std::string index = take();
      expect(Kind::Colon);
      emit_length(index.c_str(), take().c_str());
    }
    end_lengths();
    expect(Kind::Dot);
    begin_strings();
    while (at(Kind::Number)) {
      const std::string number = take();
      expect(Kind::Colon);
      emit_string(number.c_str(), take().c_str());
    }
    end_strings();
  }

 private:
  bool at(Kind kind) const { return tokens_[pos_].kind == kind; }
  std::string take() { return tokens_[pos_].kind == Kind::End ? "" : tokens_[pos_++].text; }
  void expect(Kind kind) {
    if (!at(kind)) {
      std::fprintf(stderr, "feeder: unexpected '%s'\n", tokens_[pos_].text.c_str());
      std::exit(3);
    }
    ++pos_;
  }

  void instruction() {
    if (at(Kind::Number)) {
      const std::string label = take();
      expect(Kind::Colon);
      emit_label(label.c_str());
    }
    const int opcode = kam::find_opcode(take());
    if (opcode < 0) {
      std::fprintf(stderr, "feeder: unknown instruction\n");
      std::exit(3);
    }
    std::string operands[3];
    for (int i = 0; i < kam::opcode_info(opcode).operands; ++i) operands[i] = take();
    const auto arg = [&](int i) {
      return i < kam::opcode_info(opcode).operands ? operands[i].c_str() : nullptr;
    };
    emit_instruction(opcode, arg(0), arg(1), arg(2));
  }

  std::vector<Token> tokens_;
  std::size_t pos_ = 0;
};

}  // namespace

// The runtime's reporter, as far as the back-end uses it.
extern "C" void i_report(int code, ...) {
  std::va_list args;
  va_start(args, code);
  if (code == 36) {
    std::fprintf(stderr, "Error: String table full (more then %d items)\n", va_arg(args, int));
  } else if (code == 27) {
    const int line = va_arg(args, int);
    std::fprintf(stderr, "Error: Out of memory at line %d in %s, cannot continue\n", line,
                 va_arg(args, const char*));
    std::exit(1);
  }
  va_end(args);
}

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s file.kam\n", argv[0]);
    return 3;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "feeder: cannot read %s\n", argv[1]);
    return 3;
  }
  std::ostringstream source;
  source << in.rdbuf();
  std::string base = argv[1];
  base.erase(0, base.find_last_of('/') + 1);
  const auto dot = base.find_last_of('.');
  if (dot != std::string::npos && dot != 0) base.erase(dot);
  backend_set_module(base.c_str());
  Feeder(tokens_of(source.str())).run();
  return 0;
}
