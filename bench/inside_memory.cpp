#include "inside_memory.h"

#include <stdexcept>

#include "harness/probe_channel.h"
#include "memory_probe.h"

namespace bench {

namespace {

constexpr DWORD kAnswerLimitMs = 10000;

}  // namespace

MemoryFigures memoryFromInside(HANDLE process, const std::string& probeDll) {
  const e2e::ProbeDll dll = {probeDll, memoryprobe::kTag};
  const e2e::ProbeAnswer answer = e2e::callProbe(process, dll, memoryprobe::kReadMemory, "", kAnswerLimitMs);
  memoryprobe::Block block = {};
  if (answer.status != 0 || answer.payload.size() != sizeof block)
    throw std::runtime_error("the memory probe could not read the counters");
  answer.payload.copy(reinterpret_cast<char*>(&block), sizeof block);
  MemoryFigures figures;
  figures.privateUsage = static_cast<SIZE_T>(block.privateUsage);
  figures.workingSet = static_cast<SIZE_T>(block.workingSet);
  figures.cpuMs = static_cast<double>(block.cpuTime) / 10000.0;
  return figures;
}

}  // namespace bench
