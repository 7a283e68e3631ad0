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

UserText SetupNameProblemText(const std::string& name) {
  std::string problem = SetupNameProblem(name);
  if (problem.empty()) return {};
  if (problem.front() >= 'a' && problem.front() <= 'z') problem.front() = static_cast<char>(problem.front() - 32);
  // The figure in the length rule is the library's; it is read back from its
  // words rather than kept twice.
  std::string longest;
  for (char c : problem) {
    if (c >= '0' && c <= '9') longest += c;
  }
  const UserText candidates[] = {
      VURIRU_TEXT("Messages", "A setup needs a name"),
      UserText(VURIRU_TEXT("Messages", "A setup's name is at most %1 bytes"), {longest}),
      VURIRU_TEXT("Messages", "A setup's name holds no control characters"),
      UserText(
          VURIRU_TEXT("Messages", "\"%1\" would be read as a snapshot id; give the setup a name with a letter in it"),
          {name}),
      VURIRU_TEXT("Messages", "\"device\" stands for the attached controller; give the setup another name"),
      VURIRU_TEXT("Messages", "A setup's name neither starts nor ends with a blank"),
  };
  for (const UserText& candidate : candidates) {
    if (EnglishText(candidate) == problem) return candidate;
  }
  return UserText("%1", {problem});
}

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
