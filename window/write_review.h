// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions asked before the pages' values go somewhere: Apply and
// Default list what the controller will change, Import what the pages will
// change. Each keeps its first line, so the question reads as it always did,
// with the list below it.

#include <optional>
#include <string>
#include <vector>

#include "common/user_text.h"
#include "files/data_file_codec.h"
#include "files/settings_review.h"

namespace vuriru {

inline constexpr const char* kApplyQuestion = VURIRU_TEXT("Messages", "Do you want to apply?");
inline constexpr const char* kApplyCaption = VURIRU_TEXT("Messages", "Apply");
inline constexpr const char* kDefaultQuestion = VURIRU_TEXT("Messages", "Do you want to default?");
inline constexpr const char* kDefaultCaption = VURIRU_TEXT("Messages", "Default");

// A question with the list of what answering yes changes. The window shows
// it in its language (the setting captions and options too); EnglishText()
// gives the same text in English. Decisions never read it.
struct ReviewQuestion {
  UserText question;  // the first line
  // Whether the list follows; without it the question stands alone.
  bool listed = false;
  ChangeList changes;
  // The remarks of a file's reading.
  std::vector<UserText> remarks;
};

inline constexpr const char* kFileWouldChange = VURIRU_TEXT("Messages", "%1 would change:");
inline constexpr const char* kFileReadingNoted = VURIRU_TEXT("Messages", "The file's reading noted:");
inline constexpr const char* kLoadingWouldChange =
    VURIRU_TEXT("Messages", "Loading it would change the edited values:");

// The question, an empty line and the change lines (or kNothingChanges),
// then the remarks under kFileReadingNoted: as the command line words them.
std::string EnglishText(const ReviewQuestion& question);

ReviewQuestion ApplyQuestion(const std::optional<EscData>& lastReadOrStore, const EscData& edited);
ReviewQuestion DefaultQuestion(const std::optional<EscData>& lastReadOrStore, const EscData& edited);
ReviewQuestion ImportQuestion(const std::string& fileName, const EscData& pages, const EscData& imported,
                              const std::vector<UserText>& remarks);

// Apply: what the controller held after the last completed read or store
// against the edited values as they are. Without a completed read there is
// nothing to compare, and the question stands alone.
std::string ApplyQuestionText(const std::optional<EscData>& lastReadOrStore, const EscData& edited);

// Default: the same list, with what Default sends as the new side.
std::string DefaultQuestionText(const std::optional<EscData>& lastReadOrStore, const EscData& edited);

// Import: "<file> would change:" and what taking the file changes on the
// pages, every setting the file holds included; then the remarks of the
// file's reading (keys left out or unknown), if any.
std::string ImportQuestionText(const std::string& fileName, const EscData& pages, const EscData& imported,
                               const std::vector<UserText>& remarks);

}  // namespace vuriru
