// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu: export the settings, running log and curves to a *.DATA
// or JSON file, and import such a file back into the pages (sent only by
// Apply). The file's name chooses its form: ".json" is JSON, any other
// name a *.DATA file.

#include "common/user_text.h"
#include "files/data_file_io.h"
#include "files/json_file_io.h"
#include "window/window_controller.h"
#include "window/write_review.h"

namespace vuriru {

namespace {

constexpr const char* kOverwriteQuestion = VURIRU_TEXT("Messages", "This file exists,do you want overwrite it?");
constexpr const char* kOverwriteCaption = VURIRU_TEXT("Messages", "Save as...");

// A file read for an import, whichever its form.
struct ReadSettingsFile {
  bool ok = false;
  EscData data;
  std::vector<UserText> remarks;
  UserText message;
  std::string caption;
};

ReadSettingsFile ReadEitherFile(const std::string& path, const EscData& base) {
  ReadSettingsFile read;
  if (IsJsonFileName(path)) {
    JsonFileImport imported = ReadJsonFile(path, base);
    read.ok = imported.ok;
    read.data = std::move(imported.data);
    read.remarks = std::move(imported.warnings);
    read.message = std::move(imported.messageText);
    read.caption = std::move(imported.caption);
    return read;
  }
  DataFileImport imported = ReadDataFile(path, base);
  read.ok = imported.ok;
  read.data = std::move(imported.data);
  read.message = std::move(imported.message);
  read.caption = std::move(imported.caption);
  return read;
}

}  // namespace

void WindowController::OnExportData() {
  if (IsBusy() || m_state.g_deviceType != device_type::kFull) {
    Refuse(WindowCommand::kExport);
    return;
  }
  const std::string chosen = m_dialogs.ChooseSaveFile(kSettingsFileFilter);
  if (chosen.empty()) return;
  ExportTo(chosen);
}

std::optional<std::filesystem::path> WindowController::ConfirmSaveName(const std::string& chosen) {
  const std::filesystem::path path = IsJsonFileName(chosen) ? std::filesystem::path(chosen) : ExportFileName(chosen);
  if (FileExistsAndNotEmpty(path) &&
      m_dialogs.Ask(kOverwriteQuestion, kOverwriteCaption, QuestionButtons::kYesNo) != Answer::kYes) {
    return std::nullopt;
  }
  return path;
}

bool WindowController::WriteValues(const std::filesystem::path& path, const EscData& data,
                                   const std::string& software) {
  const FileWriteResult written = IsJsonFileName(path) ? SaveJsonFile(path, data, software) : SaveDataFile(path, data);
  // A file that could not be written is said so, rather than left for the
  // user to find missing later.
  if (!written.ok) m_dialogs.Tell(written.text, kExportErrorCaption, MessageIcon::kExclamation);
  return written.ok;
}

bool WindowController::ExportTo(const std::string& chosen) {
  const std::optional<std::filesystem::path> path = ConfirmSaveName(chosen);
  if (!path) return false;
  m_view.CollectSelections();
  m_curves.boost.LoadStoredCurve();
  m_curves.brake.LoadStoredCurve();
  m_curves.throttle.LoadStoredCurve();
  const bool saved = WriteValues(*path, EditedData(), m_engine.SoftwareVersionText());
  m_view.Redraw();
  return saved;
}

bool WindowController::SaveValuesAs(const std::string& chosen, const EscData& data, const std::string& software) {
  const std::optional<std::filesystem::path> path = ConfirmSaveName(chosen);
  return path && WriteValues(*path, data, software);
}

void WindowController::OnImportData() {
  if (IsBusy() || m_state.g_deviceType != device_type::kFull) {
    Refuse(WindowCommand::kImport);
    return;
  }
  const std::string path = m_dialogs.ChooseOpenFile(kSettingsFileFilter, "");
  if (path.empty()) return;
  ImportFrom(path);
}

bool WindowController::ImportFrom(const std::string& path) {
  const EscData base = EditedData();
  const ReadSettingsFile imported = ReadEitherFile(path, base);
  if (!imported.ok) {
    m_dialogs.Ask(imported.message, imported.caption, QuestionButtons::kOkCancel);
    return false;
  }
  // The whole file has passed its checks; the user sees what it changes
  // before anything does.
  const ReviewQuestion question =
      ImportQuestion(std::filesystem::path(path).filename().string(), base, imported.data, imported.remarks);
  if (m_dialogs.AskReview(question, kImportErrorCaption, QuestionButtons::kOkCancel) != Answer::kOk) return false;
  TakeValues(imported.data);
  return true;
}

std::string WindowController::WhyPagesCannotTakeValues() const {
  return RefusalReason(m_state, WindowCommand::kImport);
}

void WindowController::TakeValues(const EscData& data) {
  m_settings = data.settings;
  m_curves.boost.Stored() = data.boostCurve;
  m_curves.brake.Stored() = data.brakeCurve;
  m_curves.throttle.Stored() = data.throttleCurve;
  for (CurveModel* model : {&m_curves.boost, &m_curves.brake, &m_curves.throttle}) model->LoadStoredCurve();
  m_view.RedrawCurve(CurveNumber::Boost);
  m_view.RedrawCurve(CurveNumber::Brake);
  m_view.RedrawCurve(CurveNumber::Throttle);
  m_view.RefreshPages();
  m_view.FormatRunningLog();
  m_view.Redraw();
}

}  // namespace vuriru
