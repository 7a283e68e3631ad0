// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings library's trouble as the window tells it: the same sentences
// the library words for the command line, as English source texts with the
// file's name as their argument, so that the window shows them in its
// language. EnglishText() of the result is the library's own message.

#include <string>

#include "common/user_text.h"
#include "library/library.h"

namespace vuriru {

// `english` is the library's message for `problem` (ProblemText(), or what
// TakeNotice() gave); it is shown as it is where no sentence fits, such as a
// library that cannot be opened for a reason SQLite words.
UserText LibraryNoticeText(LibraryProblem problem, const std::filesystem::path& path, const std::string& english);

// Why `name` cannot name a setup, as the naming form shows it: the library's
// SetupNameProblem() as a sentence-case text; empty when the name can be used.
UserText SetupNameProblemText(const std::string& name);

}  // namespace vuriru
