#include "machine.h"

#include <utility>

#include "arith.h"
#include "opcodes.h"

namespace kam {

Machine::Machine(Program program, Reporter& reporter, Tracer& tracer, std::FILE* in,
                 std::FILE* out)
    : program_(std::move(program)), reporter_(reporter), tracer_(tracer), in_(in), out_(out) {}

void Machine::report(Msg msg, std::initializer_list<MsgArg> args) {
  const bool known = ic_ >= 0 && static_cast<std::size_t>(ic_) < program_.code.size();
  reporter_.set_run_line(known ? program_.code[static_cast<std::size_t>(ic_)].line : 0);
  reporter_.error(msg, args);
}

bool Machine::step() {
  if (ic_ < 0 || static_cast<std::size_t>(ic_) >= program_.code.size()) {
    report(Msg::NextOutOfRange);
    return false;
  }
  next_ic_ = ic_ + 1;
  const Instruction& instruction = program_.code[static_cast<std::size_t>(ic_)];
  const OpcodeInfo& info = opcode_info(instruction.op);
  if (tracer_.wants(info.trace_class) && instruction.op != CALL && instruction.op != RETURN_)
    tracer_.instruction(ic_, instruction);
  if (!execute(instruction)) return false;
  if (next_ic_ < 0 || next_ic_ > program_.halt_index) {
    report(Msg::NextOutOfRange);
    return false;
  }
  ic_ = next_ic_;
  return true;
}

bool Machine::execute(const Instruction& instruction) {
  const int op = instruction.op;
  const std::int64_t a1 = instruction.args[0];
  const std::int64_t a2 = instruction.args[1];
  if (is_plain_binary(op)) return binary(op);
  switch (op) {
    case ABS_: case NEG: case NOT: return unary(op);
    case DVI: case MDL: return divide(op);
    case EQN: return compare_n(a1, a2, false);
    case NEN: return compare_n(a1, a2, true);
    case LDCON: return push(instruction.args[0]);
    case NOOP: return true;
    case POP: {
      std::int32_t ignored;
      return pop(ignored);
    }
    case SWAP: {
      std::int32_t a, b;
      return pop(b) && pop(a) && push(b) && push(a);
    }
    case HALT:
      if (sp_ > 0) report(Msg::StackNotEmpty, {sp_});
      if (csn_ > 0) report(Msg::SegmentsLeft, {csn_});
      return false;
    case CALL: case RETURN_: case JUMP: case JIFF: case JIFT:
      return execute_control(instruction);
    case RDBOOL: case RDCHAR: case RDINT: case RDSTRING:
    case WRBOOL: case WRCHAR: case WRINT: case WRSTRING:
      return execute_io(instruction);
    default:
      return execute_memory(instruction);
  }
}

bool Machine::binary(int op) {
  std::int32_t a, b;
  return pop(b) && pop(a) && push(plain_binary(op, a, b));
}

bool Machine::unary(int op) {
  std::int32_t a;
  if (!pop(a)) return false;
  const std::int64_t x = a;
  switch (op) {
    case ABS_: return push(wrap(x < 0 ? -x : x));
    case NEG: return push(wrap(-x));
    default: return push(a == 0);  // NOT
  }
}

bool Machine::divide(int op) {
  std::int32_t a, b;
  if (!pop(b) || !pop(a)) return false;
  if (op == MDL && b < 0) {
    report(Msg::NegativeModulus);
    return false;
  }
  if (b == 0) {
    report(Msg::DivisionByZero);
    return false;
  }
  // INT32_MIN / -1 does not fit: it wraps around to INT32_MIN.
  const std::int64_t x = a;
  return push(wrap(op == DVI ? x / b : x % b));
}

bool Machine::execute_control(const Instruction& instruction) {
  int target = 0;
  switch (instruction.op) {
    case CALL: {
      const bool found = label(instruction.args[0], target);
      if (tracer_.wants(TraceCall))
        tracer_.call(ic_, instruction.args[0], found ? std::optional<int>(target) : std::nullopt);
      if (!found) return false;
      if (rsp_ >= stack_size) {
        report(Msg::Overflow, {"return stack", stack_size});
        return false;
      }
      return_stack_[static_cast<std::size_t>(rsp_++)] = ic_ + 1;
      next_ic_ = target;
      return true;
    }
    case RETURN_: {
      const bool empty = rsp_ == 0;
      if (!empty) next_ic_ = return_stack_[static_cast<std::size_t>(--rsp_)];
      if (tracer_.wants(TraceCall))
        tracer_.return_(ic_, empty ? std::nullopt : std::optional<int>(next_ic_));
      if (empty) report(Msg::Empty, {"return stack"});
      return !empty;
    }
    case JUMP:
      if (!label(instruction.args[0], target)) return false;
      next_ic_ = target;
      return true;
    default: {  // JIFF, JIFT
      std::int32_t condition;
      if (!label(instruction.args[0], target) || !pop(condition)) return false;
      if ((condition != 0) == (instruction.op == JIFT)) next_ic_ = target;
      return true;
    }
  }
}

bool Machine::label(std::int64_t number, int& target) {
  target = program_.label_target(number);
  if (target != no_instruction) return true;
  report(Msg::UnknownLabel);
  return false;
}

bool Machine::push(std::int32_t value) {
  if (sp_ >= stack_size) {
    report(Msg::Overflow, {"stack", stack_size});
    return false;
  }
  stack_[static_cast<std::size_t>(sp_++)] = value;
  if (tracer_.wants(TraceStack)) tracer_.push(value, stack());
  return true;
}

bool Machine::pop(std::int32_t& value) {
  if (sp_ <= 0) {
    report(Msg::Empty, {"stack"});
    return false;
  }
  value = stack_[static_cast<std::size_t>(--sp_)];
  if (tracer_.wants(TraceStack)) tracer_.pop(value, stack());
  return true;
}

}  // namespace kam
