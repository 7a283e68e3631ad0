// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/library_notice.h"

namespace vuriru {

namespace {

const char* NoticeSource(LibraryProblem problem) {
  switch (problem) {
    case LibraryProblem::kLocked:
      return VURIRU_TEXT("Messages",
                         "The settings library %1 is locked by another program. Settings are read and stored as "
                         "usual, but this session keeps no history.");
    case LibraryProblem::kCorrupt:
      return VURIRU_TEXT("Messages",
                         "The settings library %1 is damaged and was left as it is. Settings are read and stored as "
                         "usual, but this session keeps no history.");
    case LibraryProblem::kReadOnly:
      return VURIRU_TEXT("Messages",
                         "The settings library %1 cannot be written. Settings are read and stored as usual, and the "
                         "history can be looked at, but nothing new is kept.");
    case LibraryProblem::kDiskFull:
      return VURIRU_TEXT("Messages",
                         "The disk holding the settings library %1 is full. Settings are read and stored as usual, but "
                         "this session keeps no history.");
    case LibraryProblem::kNewer:
      return VURIRU_TEXT("Messages",
                         "The settings library %1 was made by a newer version of this program and was left as it is. "
                         "Settings are read and stored as usual, but this session keeps no history.");
    case LibraryProblem::kNotALibrary:
      return VURIRU_TEXT("Messages",
                         "%1 is not a settings library of this program and was left as it is. Settings are read and "
                         "stored as usual, but this session keeps no history.");
    case LibraryProblem::kNone:
    case LibraryProblem::kCannotOpen:
      break;
  }
  return nullptr;
}

}  // namespace

UserText LibraryNoticeText(LibraryProblem problem, const std::filesystem::path& path, const std::string& english) {
  const char* source = NoticeSource(problem);
  if (source != nullptr) {
    UserText text(source, {path.string()});
    // Only where the sentence is the library's own: a message worded
    // otherwise is shown as the library gave it.
    if (EnglishText(text) == english) return text;
  }
  return UserText("%1", {english});
}

}  // namespace vuriru
