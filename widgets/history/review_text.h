// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A review question (what Apply, Default, an import or loading from the
// history would change) in the window's language: the question, each changed
// setting as "caption: old option → new option" with the captions and options
// from the "Settings" texts, and the curves that change. In English it reads
// as EnglishText() of the question.

#include <QString>

#include "window/history_browser.h"
#include "window/write_review.h"

namespace vuriru {

QString ReviewQuestionText(const ReviewQuestion& question);

// A history entry's details in the window's language; the user's names and
// notes, the dates and the versions as they are.
QString EntryDetailsText(const EntryDetails& details);

}  // namespace vuriru
