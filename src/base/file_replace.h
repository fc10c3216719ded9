// Replacing a file that another program may hold for a moment.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "base/file_system.h"

namespace tavlin {

/// How long to wait, in milliseconds, before each try after the first: five tries within about a
/// second, long enough for a virus scanner or an indexer to let go of a file it has just opened.
inline constexpr int kReplaceRetryWaits[] = {50, 100, 200, 300};

/// Sleeps for the given milliseconds (injected, so that tests do not sleep).
using WaitFunction = std::function<void(int milliseconds)>;

/// FileSystem::ReplaceWhole, tried again after each of kReplaceRetryWaits while it fails with the
/// file held; any other failure, or the fifth held one, is the result.
std::optional<WriteFailure> ReplaceFileRetrying(FileSystem& files, const std::string& path,
                                                const std::string& text, const WaitFunction& wait);

}  // namespace tavlin
