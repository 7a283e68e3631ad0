// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/write_review.h"

namespace vuriru {

std::string EnglishText(const ReviewQuestion& question) {
  std::string text = EnglishText(question.question);
  if (!question.listed) return text;
  text = ReviewText(text, question.changes);
  if (!question.remarks.empty()) {
    text += std::string("\n\n") + kFileReadingNoted;
    for (const UserText& remark : question.remarks) text += "\n" + EnglishText(remark);
  }
  return text;
}

ReviewQuestion ApplyQuestion(const std::optional<EscData>& lastReadOrStore, const EscData& edited) {
  if (!lastReadOrStore) return {kApplyQuestion, false, {}, {}};
  return {kApplyQuestion, true, CompareEscData(*lastReadOrStore, edited, ReviewScope::kStored), {}};
}

ReviewQuestion DefaultQuestion(const std::optional<EscData>& lastReadOrStore, const EscData& edited) {
  if (!lastReadOrStore) return {kDefaultQuestion, false, {}, {}};
  return {kDefaultQuestion, true, CompareEscData(*lastReadOrStore, DefaultEscData(edited), ReviewScope::kStored), {}};
}

ReviewQuestion ImportQuestion(const std::string& fileName, const EscData& pages, const EscData& imported,
                              const std::vector<UserText>& remarks) {
  return {UserText(kFileWouldChange, {fileName}), true, CompareEscData(pages, imported, ReviewScope::kFile), remarks};
}

std::string ApplyQuestionText(const std::optional<EscData>& lastReadOrStore, const EscData& edited) {
  return EnglishText(ApplyQuestion(lastReadOrStore, edited));
}

std::string DefaultQuestionText(const std::optional<EscData>& lastReadOrStore, const EscData& edited) {
  return EnglishText(DefaultQuestion(lastReadOrStore, edited));
}

std::string ImportQuestionText(const std::string& fileName, const EscData& pages, const EscData& imported,
                               const std::vector<UserText>& remarks) {
  return EnglishText(ImportQuestion(fileName, pages, imported, remarks));
}

}  // namespace vuriru
