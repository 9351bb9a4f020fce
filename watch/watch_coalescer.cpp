#include "watch/watch_coalescer.h"

#include <algorithm>
#include <utility>

namespace wabo {

WatchCoalescer::WatchCoalescer(WatchTiming timing, std::function<std::uint32_t()> random)
    : timing_(timing), random_(std::move(random)), busyDelay_(timing.busyRetry), gap_(timing.minGap) {}

void WatchCoalescer::noteChange(unsigned work, WatchMillis now) {
  if (work & kLockGone) {
    work &= ~static_cast<unsigned>(kLockGone);
    // The lock of a save that nobody waits for going away tells nothing new:
    // the save's rename has already been seen.
    if (waitingForLock_) work |= kBoardWork;
    waitingForLock_ = false;
  }
  if ((work & kMailWork) && !(pending_ & kMailWork)) mailSince_ = now;
  if (work & kBoardWork) {
    const bool lookRunning = running_ && (runningWork_ & kBoardWork);
    if (started_ && (lookRunning || now < lastStart_ + gap_)) changedInGap_ = true;
    if (!(pending_ & kBoardWork)) {
      const WatchMillis spread =
          timing_.boardSpread > 0
              ? static_cast<WatchMillis>(random_() % static_cast<std::uint32_t>(timing_.boardSpread + 1))
              : 0;
      notBefore_ = now + spread;
    }
  }
  pending_ |= work & (kBoardWork | kMailWork);
}

WatchMillis WatchCoalescer::mailAt() const { return std::max(mailSince_, busyUntil_); }

WatchMillis WatchCoalescer::boardAt() const {
  WatchMillis at = std::max(notBefore_, busyUntil_);
  return started_ ? std::max(at, lastStart_ + gap_) : at;
}

std::optional<WatchMillis> WatchCoalescer::wakeAt() const {
  if (pending_ == 0 || running_) return std::nullopt;
  if (!(pending_ & kBoardWork)) return mailAt();
  if (!(pending_ & kMailWork)) return boardAt();
  return std::min(mailAt(), boardAt());
}

unsigned WatchCoalescer::take(WatchMillis now) {
  if (pending_ == 0 || running_) return kNoWatchWork;
  unsigned due = 0;
  if ((pending_ & kMailWork) && now >= mailAt()) due |= kMailWork;
  if ((pending_ & kBoardWork) && now >= boardAt()) due |= kBoardWork;
  if (due == 0) return kNoWatchWork;
  if (due & kBoardWork) {
    // A burst widens the gap after this start; a quiet gap narrows it again.
    gap_ = changedInGap_ ? std::min(gap_ * 2, timing_.maxGap) : timing_.minGap;
    changedInGap_ = false;
    started_ = true;
    lastStart_ = now;
  }
  running_ = true;
  runningWork_ = due;
  pending_ &= ~due;
  return due;
}

void WatchCoalescer::finished(const WatchOutcome& outcome, WatchMillis now) {
  if (!running_) return;
  running_ = false;
  if (outcome.busy) {
    // Nothing was done: the work waits, and changes that came meanwhile join it.
    if ((runningWork_ & kBoardWork) && !(pending_ & kBoardWork)) notBefore_ = now;
    if ((runningWork_ & kMailWork) && !(pending_ & kMailWork)) mailSince_ = now;
    pending_ |= runningWork_;
    busyUntil_ = now + busyDelay_;
    busyDelay_ = std::min(busyDelay_ * 2, timing_.maxBusyRetry);
    return;
  }
  busyDelay_ = timing_.busyRetry;
  busyUntil_ = 0;
  if (runningWork_ & kBoardWork) waitingForLock_ = outcome.boardUnreadable;
}

}  // namespace wabo
