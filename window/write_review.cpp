// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/write_review.h"

#include "files/settings_review.h"

namespace vuriru {

std::string ApplyQuestionText(const std::optional<EscData>& lastReadOrStore, const EscData& edited) {
  if (!lastReadOrStore) return kApplyQuestion;
  return ReviewText(kApplyQuestion, CompareEscData(*lastReadOrStore, edited, ReviewScope::kStored));
}

std::string DefaultQuestionText(const std::optional<EscData>& lastReadOrStore, const EscData& edited) {
  if (!lastReadOrStore) return kDefaultQuestion;
  return ReviewText(kDefaultQuestion, CompareEscData(*lastReadOrStore, DefaultEscData(edited), ReviewScope::kStored));
}

std::string ImportQuestionText(const std::string& fileName, const EscData& pages, const EscData& imported,
                               const std::vector<std::string>& remarks) {
  std::string text = ReviewText(fileName + " would change:", CompareEscData(pages, imported, ReviewScope::kFile));
  if (!remarks.empty()) {
    text += "\n\nThe file's reading noted:";
    for (const std::string& remark : remarks) text += "\n" + remark;
  }
  return text;
}

}  // namespace vuriru
