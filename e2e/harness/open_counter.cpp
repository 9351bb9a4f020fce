#include "harness/open_counter.h"

#include "harness/program_copy.h"
#include "harness/remote_buffer.h"
#include "harness/remote_probe.h"
#include "opencount/count_block.h"

namespace e2e {

OpenCounter::OpenCounter(HANDLE process, const std::string& fileName)
    : process_(process),
      fileName_(fileName),
      function_(loadProbe(process, joinPath(driverFolder(), "opencount.dll"), opencount::kCountFunction)) {
  if (fileName.size() >= sizeof(opencount::Block::name)) throw HarnessError("file name too long to count");
  call(true);
}

unsigned OpenCounter::count() const { return call(false); }

unsigned OpenCounter::call(bool reset) const {
  opencount::Block request = {};
  request.reset = reset ? 1 : 0;
  fileName_.copy(request.name, sizeof request.name - 1);
  RemoteBuffer block(process_, sizeof request);
  block.write(&request, sizeof request);
  if (DWORD code = runRemoteThread(process_, function_, block.at()))
    throw HarnessError("the open counter failed with code " + std::to_string(code));
  block.read(&request, sizeof request);
  return request.count;
}

}  // namespace e2e
