#pragma once
/// What a procedure that can fail gives back: success, or the reason worded
/// for the person (in the code page of the record texts). The caller must
/// look at it: ignoring one is a compiler warning.

#include <cassert>
#include <string>
#include <utility>

namespace kord {

class [[nodiscard]] Result {
 public:
  /// Success.
  Result() = default;
  static Result Failure(std::string reason) {
    assert(!reason.empty() && "a failure says why");
    Result result;
    result.reason_ = std::move(reason);
    return result;
  }
  /// A failure when `reason` is not empty, otherwise success: for the
  /// procedures below this one that still give their reason as a text.
  static Result FromReason(std::string reason) { return reason.empty() ? Result() : Failure(std::move(reason)); }

  bool ok() const { return reason_.empty(); }
  explicit operator bool() const { return ok(); }
  /// Empty on success.
  const std::string& reason() const { return reason_; }

 private:
  std::string reason_;
};

}  // namespace kord
