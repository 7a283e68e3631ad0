// The File menu: export the settings, running log and curves to a *.DATA
// file, and import such a file back into the pages (sent only by Apply).

#include "common/user_text.h"
#include "files/data_file_io.h"
#include "window/window_controller.h"

namespace vuriru {

namespace {

constexpr const char* kOverwriteQuestion = VURIRU_TEXT("Messages", "This file exists,do you want overwrite it?");
constexpr const char* kOverwriteCaption = VURIRU_TEXT("Messages", "Save as...");

}  // namespace

void WindowController::OnExportData() {
  if (IsBusy() || m_state.g_deviceType != device_type::kFull) {
    Refuse(WindowCommand::kExport);
    return;
  }
  const std::string chosen = m_dialogs.ChooseSaveFile(kDataFileFilter);
  if (chosen.empty()) return;
  ExportTo(chosen);
}

bool WindowController::ExportTo(const std::string& chosen) {
  const std::filesystem::path path = ExportFileName(chosen);
  if (FileExistsAndNotEmpty(path) &&
      m_dialogs.Ask(kOverwriteQuestion, kOverwriteCaption, QuestionButtons::kYesNo) != Answer::kYes) {
    return false;
  }
  m_view.CollectSelections();
  m_curves.boost.LoadStoredCurve();
  m_curves.brake.LoadStoredCurve();
  m_curves.throttle.LoadStoredCurve();
  const EscData data{m_settings, m_curves.boost.Stored(), m_curves.brake.Stored(), m_curves.throttle.Stored()};
  const FileWriteResult written = SaveDataFile(path, data);
  // A file that could not be written is said so, rather than left for the
  // user to find missing later.
  if (!written.ok) m_dialogs.Tell(written.message, kExportErrorCaption, MessageIcon::kExclamation);
  m_view.Redraw();
  return written.ok;
}

void WindowController::OnImportData() {
  if (IsBusy() || m_state.g_deviceType != device_type::kFull) {
    Refuse(WindowCommand::kImport);
    return;
  }
  const std::string path = m_dialogs.ChooseOpenFile(kDataFileFilter, "");
  if (path.empty()) return;
  ImportFrom(path);
}

bool WindowController::ImportFrom(const std::string& path) {
  const EscData base{m_settings, m_curves.boost.Stored(), m_curves.brake.Stored(), m_curves.throttle.Stored()};
  const DataFileImport imported = ReadDataFile(path, base);
  if (!imported.ok) {
    m_dialogs.Ask(imported.message, imported.caption, QuestionButtons::kOkCancel);
    return false;
  }
  // The whole file has passed its checks; only now does anything change.
  m_settings = imported.data.settings;
  m_curves.boost.Stored() = imported.data.boostCurve;
  m_curves.brake.Stored() = imported.data.brakeCurve;
  m_curves.throttle.Stored() = imported.data.throttleCurve;
  for (CurveModel* model : {&m_curves.boost, &m_curves.brake, &m_curves.throttle}) model->LoadStoredCurve();
  m_view.RedrawCurve(CurveNumber::Boost);
  m_view.RedrawCurve(CurveNumber::Brake);
  m_view.RedrawCurve(CurveNumber::Throttle);
  m_view.RefreshPages();
  m_view.FormatRunningLog();
  m_view.Redraw();
  return true;
}

}  // namespace vuriru
