#include "trace.h"

namespace kam {

void Tracer::instruction(int ic, const Instruction& instruction) {
  const OpcodeInfo& info = opcode_info(instruction.op);
  std::fprintf(out_, "IC:%3d %.*s", ic, static_cast<int>(info.name.size()), info.name.data());
  for (int i = 0; i < info.operands; ++i) std::fprintf(out_, "\t%d", instruction.args[i]);
  std::fputc('\n', out_);
  wait();
}

void Tracer::call(int ic, int label, std::optional<int> target) {
  std::fprintf(out_, "IC:%3d call\t%d ", ic, label);
  if (!target) return;
  std::fprintf(out_, "(goto ic: %d)\n", *target);
  wait();
}

void Tracer::return_(int ic, std::optional<int> target) {
  std::fprintf(out_, "IC:%3d return_ ", ic);
  if (!target) return;
  std::fprintf(out_, "(goto ic: %d)\n", *target);
  wait();
}

void Tracer::push(std::int32_t value, std::span<const std::int32_t> stack) {
  stack_line("push", value, stack);
}

void Tracer::pop(std::int32_t value, std::span<const std::int32_t> stack) {
  stack_line("pop", value, stack);
}

void Tracer::stack_line(const char* what, std::int32_t value,
                        std::span<const std::int32_t> stack) {
  std::fprintf(out_, "       %s\t%d\tstack= ", what, value);
  for (auto word = stack.rbegin(); word != stack.rend(); ++word) std::fprintf(out_, "%d ", *word);
  std::fputc('\n', out_);
  wait();
}

void Tracer::segment(std::int32_t sn, std::int32_t stat, std::int32_t dyn,
                     std::span<const std::int32_t> data) {
  std::fprintf(out_, "Segment, sn= %d\tstat= %d\tdyn= %d\tdata= [ ", sn, stat, dyn);
  for (const std::int32_t word : data) std::fprintf(out_, "%d ", word);
  std::fputs("]\n", out_);
}

bool Tracer::open_terminal() {
  if (!terminal_) terminal_.reset(std::fopen(terminal_name_, "r"));
  return terminal_ != nullptr;
}

void Tracer::wait() {
  if (!wants(TraceInteractive)) return;
  std::fflush(out_);  // the user sees each line before the wait
  if (!prompted_) {
    std::fputs("Hit Enter to continue or Q to stop\n", err_);
    prompted_ = true;
    if (!open_terminal()) throw TerminalUnavailable{};
  }
  if (std::getc(terminal_.get()) == 'Q') throw QuitRequest{};
}

}  // namespace kam
