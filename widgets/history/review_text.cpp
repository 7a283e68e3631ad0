// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/review_text.h"

#include "settings/settings_table.h"
#include "widgets/kit/language.h"

namespace vuriru {

namespace {

// The English texts the files layer words these lines in, marked here for the
// translation (the files stay English).
[[maybe_unused]] const char* const kReviewTexts[] = {
    QT_TRANSLATE_NOOP("Messages", "Nothing changes: every setting and curve stays as it is."),
};

QString CurveLine(CurveNumber number) {
  switch (number) {
    case CurveNumber::Boost:
      return MessageText(QT_TRANSLATE_NOOP("Messages", "boost curve changes"));
    case CurveNumber::Brake:
      return MessageText(QT_TRANSLATE_NOOP("Messages", "brake curve changes"));
    case CurveNumber::Throttle:
      break;
  }
  return MessageText(QT_TRANSLATE_NOOP("Messages", "throttle curve changes"));
}

QString OptionShown(const SettingChange& change, int32_t index) {
  if (change.options == nullptr || index < 0 || index >= static_cast<int32_t>(change.options->size())) {
    return MessageText(UserText(QT_TRANSLATE_NOOP("Messages", "index %1, outside its list"), {std::to_string(index)}));
  }
  return SettingText((*change.options)[static_cast<size_t>(index)]);
}

// The caption, with the page's title where two pages share it: the file's
// key is "START RPM (Boost)" for the caption "START RPM".
QString CaptionShown(const SettingChange& change) {
  const std::string caption = SettingRowFor(change.setting).caption;
  if (change.key.size() > caption.size() + 3 && change.key.compare(0, caption.size(), caption) == 0 &&
      change.key.compare(caption.size(), 2, " (") == 0 && change.key.back() == ')') {
    const std::string page = change.key.substr(caption.size() + 2, change.key.size() - caption.size() - 3);
    return SettingText(caption) + QStringLiteral(" (") + SettingText(page) + QLatin1Char(')');
  }
  return SettingText(change.key);
}

}  // namespace

QString ReviewQuestionText(const ReviewQuestion& question) {
  QString text = MessageText(question.question);
  if (!question.listed) return text;
  text += QLatin1Char('\n');
  if (question.changes.Empty()) {
    text += QLatin1Char('\n') + MessageText(kNothingChanges);
  }
  for (const SettingChange& change : question.changes.settings) {
    text += QLatin1Char('\n') + CaptionShown(change) + QStringLiteral(": ") + OptionShown(change, change.fromIndex) +
            QStringLiteral(" \u2192 ") + OptionShown(change, change.toIndex);
  }
  for (CurveNumber number : question.changes.curves) text += QLatin1Char('\n') + CurveLine(number);
  if (!question.remarks.empty()) {
    text += QStringLiteral("\n\n") + MessageText(kFileReadingNoted);
    for (const UserText& remark : question.remarks) text += QLatin1Char('\n') + MessageText(remark);
  }
  return text;
}

QString EntryDetailsText(const EntryDetails& details) {
  QString text;
  for (size_t i = 0; i < details.lines.size(); ++i) {
    const DetailLine& line = details.lines[i];
    if (i > 0) text += QLatin1Char('\n');
    std::vector<std::string> args = line.text.args;
    for (size_t at : line.messageArgs) {
      if (at < args.size()) args[at] = MessageText(args[at]).toStdString();
    }
    for (size_t at : line.settingArgs) {
      if (at < args.size()) args[at] = SettingText(args[at]).toStdString();
    }
    text += MessageText(UserText(line.text.source, std::move(args)));
  }
  if (details.review) text += QStringLiteral("\n\n") + ReviewQuestionText(*details.review);
  return text;
}

}  // namespace vuriru
