#include "large_stack.h"

#include <pthread.h>

namespace zedra {

namespace {

void* run_work(void* work) {
  (*static_cast<const std::function<void()>*>(work))();
  return nullptr;
}

}  // namespace

void run_with_large_stack(const std::function<void()>& work) {
  pthread_attr_t attributes;
  pthread_t thread;
  bool started = pthread_attr_init(&attributes) == 0;
  if (started) {
    started = pthread_attr_setstacksize(&attributes, kGeneratorStackSize) == 0 &&
              pthread_create(&thread, &attributes, run_work,
                             const_cast<std::function<void()>*>(&work)) == 0;
    pthread_attr_destroy(&attributes);
  }
  if (started)
    pthread_join(thread, nullptr);
  else
    work();
}

}  // namespace zedra
