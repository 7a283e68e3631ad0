// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "app/main_window_rig.h"
#include "library/library.h"
#include "pages/brake_page.h"
#include "pages/data_page.h"
#include "pages/device_info_page.h"
#include "pages/general_page.h"
#include "pages/throttle_page.h"
#include "settings/settings_table.h"
#include "widgets/charts/run_log_view.h"
#include "widgets/history/history_dlg.h"
#include "widgets/kit/esc_process_dlg.h"
#include "widgets/kit/owner_draw_button.h"
#include "widgets/v1/cn_v1_dlg.h"
#include "widgets/v1/v1_dlg.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

using testing::MainWindowRig;

constexpr std::array kRow = {button_id::kDeviceInfo, button_id::kGeneral, button_id::kThrottle,
                             button_id::kBrake,      button_id::kBoost,   button_id::kTurbo,
                             button_id::kData,       button_id::kApply,   button_id::kDefault};

bool RowShown(const CQorProDlg& window) {
  for (int id : kRow) {
    if (window.Button(id)->isHidden()) return false;
  }
  return true;
}

bool AnyPageShown(const CQorProDlg& window) {
  for (uint8_t page = page::kDeviceInfo; page <= page::kData; ++page) {
    if (!window.PageWidget(page)->isHidden()) return true;
  }
  return false;
}

size_t GeneralRow(const CQorProDlg& window, Setting setting) {
  return window.GeneralPage()->RowOf(setting);
}

// The controller's stored value of a setting, from its settings reply.
uint8_t ControllerValue(MainWindowRig& rig, Setting setting) {
  return rig.hid.Adapter(0).Target().Memory().settings.at(static_cast<size_t>(SettingRowFor(setting).replyByte));
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MainWindow, StartsWithTheButtonRowAndNoPageWhileNoAdapterIsAttached) {
  MainWindowRig rig(/*withAdapter=*/false);
  CQorProDlg& window = *rig.window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vuriru USB Link V11 Beta"));
  ASSERT_TRUE(window.OnInitDialog());
  const SharedState& state = rig.State();
  EXPECT_EQ(state.g_selectedPage, page::kNoneSelected);
  EXPECT_EQ(state.g_currentPage, page::kNoneShown);
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_EQ(state.g_deviceType, device_type::kNone);
  EXPECT_EQ(state.g_transferPending, 1);
  EXPECT_EQ(state.g_progressRange, 409u);
  EXPECT_FALSE(state.g_pageChosen);
  EXPECT_EQ(window.m_nConfirmState, 0);
  EXPECT_TRUE(RowShown(window));
  EXPECT_FALSE(AnyPageShown(window));
  EXPECT_FALSE(window.Button(button_id::kEscIndicator)->isHidden());
  EXPECT_FALSE(window.Button(button_id::kUsbIndicator)->isHidden());
  EXPECT_EQ(window.BackgroundFile(), "1.bmp");
  EXPECT_EQ(window.ProgressDialog()->Caption(), QStringLiteral("Read From Esc Process......"));
  EXPECT_TRUE(rig.clock.IsTimerRunning(timer_id::kConnect));
  EXPECT_EQ(rig.clock.TimerPeriod(timer_id::kConnect), 500u);
  // The search keeps going and nothing becomes usable.
  rig.clock.AdvanceBy(3000);
  EXPECT_TRUE(rig.clock.IsTimerRunning(timer_id::kConnect));
  EXPECT_TRUE(window.IsBusy());
  window.OnPageButton(page::kGeneral);
  EXPECT_FALSE(AnyPageShown(window));
}

TEST(MainWindow, ConnectsToAFullControllerAndShowsItsValuesOnTheGeneralPage) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  EXPECT_EQ(rig.State().g_deviceType, device_type::kFull);
  EXPECT_TRUE(RowShown(window));
  EXPECT_FALSE(window.IsBusy());
  EXPECT_TRUE(window.ProgressDialog()->isHidden());
  // The start picture stays until the first page button is clicked.
  const QPixmap* painted = &window.PaintedBackground();
  window.OnPageButton(page::kGeneral);
  EXPECT_NE(&window.PaintedBackground(), painted);
  EXPECT_EQ(window.BackgroundFile(), "V3Menu.bmp");
  EXPECT_EQ(rig.State().g_currentPage, page::kGeneral);
  ASSERT_FALSE(window.GeneralPage()->isHidden());
  EXPECT_EQ(window.PageWidget(page::kBrake)->isHidden(), true);
  for (Setting setting : {Setting::RunMode, Setting::VoltageCutoff, Setting::EscHeatProtect, Setting::MoterRotation}) {
    const size_t row = GeneralRow(window, setting);
    ASSERT_LT(row, window.GeneralPage()->RowCount());
    const int32_t value = ControllerValue(rig, setting);
    EXPECT_EQ(window.Settings().Current(setting), value);
    EXPECT_EQ(window.GeneralPage()->ValueText(row),
              window.GeneralPage()->Table().rows[row].options.at(static_cast<size_t>(value)));
  }
  // Switching between pages hides the old one.
  window.OnPageButton(page::kBrake);
  EXPECT_TRUE(window.GeneralPage()->isHidden());
  EXPECT_FALSE(window.BrakePage()->isHidden());
}

TEST(MainWindow, ApplyAnsweredOkStoresAChangedSettingOnTheController) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.OnPageButton(page::kGeneral);
  const size_t row = GeneralRow(window, Setting::RunMode);
  const int options = static_cast<int>(window.GeneralPage()->Table().rows[row].options.size());
  const int held = ControllerValue(rig, Setting::RunMode);
  const int changed = (held + 1) % options;
  window.GeneralPage()->OpenList(row);
  window.GeneralPage()->ChooseOption(row, changed);
  const uint32_t storesBefore = rig.hid.Adapter(0).Target().Memory().storesCompleted;

  rig.dialogs.answers = {Answer::kOk};
  window.OnApply();
  // The question lists the change, as the option texts read.
  const auto& texts = window.GeneralPage()->Table().rows[row].options;
  ASSERT_EQ(rig.dialogs.asked, std::vector<std::string>{
                                   "Apply: Do you want to apply?\n\nRUN MODE: " + texts.at(static_cast<size_t>(held)) +
                                   " \u2192 " + texts.at(static_cast<size_t>(changed))});
  EXPECT_TRUE(window.IsBusy());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
  EXPECT_GT(rig.hid.Adapter(0).Target().Memory().storesCompleted, storesBefore);
  EXPECT_EQ(ControllerValue(rig, Setting::RunMode), changed);
  EXPECT_TRUE(rig.dialogs.told.empty());
}

TEST(MainWindow, CancelledApplyOrDefaultSendsNothingAndMarksTheConfirmState) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  const size_t writesBefore = rig.hid.Adapter(0).Target().Memory().writes.size();
  window.OnApply();
  EXPECT_EQ(window.m_nConfirmState, 2);
  EXPECT_EQ(rig.State().g_transferPending, 0);
  window.m_nConfirmState = 0;
  window.OnDefault();
  EXPECT_EQ(window.m_nConfirmState, 2);
  ASSERT_EQ(rig.dialogs.asked.size(), 2u);
  EXPECT_EQ(rig.dialogs.asked[0],
            "Apply: Do you want to apply?\n\nNothing changes: every setting and curve stays as it is.");
  EXPECT_EQ(rig.dialogs.asked[1].rfind("Default: Do you want to default?\n\nRUN MODE: ", 0), 0u)
      << rig.dialogs.asked[1];
  EXPECT_EQ(rig.State().g_transferPending, 0);
  // The next drawing of the button releases it and returns to the last page.
  window.OnPageButton(page::kBrake);
  rig.dialogs.answers.clear();
  window.OnApply();
  ASSERT_EQ(rig.State().g_pressedCommand, command::kApply);
  window.Button(button_id::kApply)->grab();
  EXPECT_NE(rig.State().g_pressedCommand, command::kApply);
  EXPECT_EQ(rig.State().g_selectedPage, page::kBrake);
  // Only the keep-alive probes went out meanwhile, no settings frame.
  rig.clock.AdvanceBy(50);
  for (size_t i = writesBefore; i < rig.hid.Adapter(0).Target().Memory().writes.size(); ++i) {
    EXPECT_LE(rig.hid.Adapter(0).Target().Memory().writes[i].size(), 1u);
  }
}

TEST(MainWindow, DefaultAnsweredOkSendsTheFactoryValues) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  rig.dialogs.answers = {Answer::kOk};
  window.OnDefault();
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_transferPending == 0; }));
  for (Setting setting : {Setting::RunMode, Setting::VoltageCutoff, Setting::BrakeStrength}) {
    EXPECT_EQ(ControllerValue(rig, setting), SettingRowFor(setting).factoryIndex);
  }
}

TEST(MainWindow, AFirmwareUpdateWhoseFileChoiceIsCancelledChangesNothing) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.OnPageButton(page::kDeviceInfo);
  ASSERT_FALSE(window.DeviceInfoPage()->isHidden());
  rig.dialogs.openFile.clear();
  window.DeviceInfoPage()->PressUpdate();
  ASSERT_EQ(rig.dialogs.filters.size(), 1u);
  rig.clock.AdvanceBy(1000);
  EXPECT_EQ(rig.hid.Adapter(0).Target().Memory().firmwareUpdates, 0u);
  EXPECT_FALSE(window.IsBusy());
}

TEST(MainWindow, IsBusyRefusesUntilAControllerIsReadyAndIdle) {
  MainWindowRig rig;
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  EXPECT_TRUE(window.IsBusy());  // no link yet
  ASSERT_TRUE(rig.RunUntil([&] { return rig.ReadDone(); }));
  EXPECT_FALSE(window.IsBusy());
  SharedState& state = rig.State();
  const SharedState ready = state;
  auto busyWith = [&](auto change) {
    state = ready;
    change(state);
    const bool busy = window.IsBusy();
    state = ready;
    return busy;
  };
  EXPECT_TRUE(busyWith([](SharedState& s) { s.g_transferPending = 1; }));
  EXPECT_TRUE(busyWith([](SharedState& s) { s.g_curveEditorOpen = 1; }));
  EXPECT_TRUE(busyWith([](SharedState& s) { s.g_linkState = link_state::kNoLink; }));
  EXPECT_TRUE(busyWith([](SharedState& s) { s.g_adapterReady = 0; }));
  EXPECT_TRUE(busyWith([](SharedState& s) { s.g_escPresent = 0; }));
  EXPECT_FALSE(busyWith([](SharedState&) {}));
}

TEST(MainWindow, AnOpenCurveEditorRefusesPageButtonsAndThePageSwitch) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.OnPageButton(page::kThrottle);
  rig.State().g_curveEditorOpen = 1;
  window.OnPageButton(page::kBrake);
  EXPECT_EQ(rig.State().g_currentPage, page::kThrottle);
  EXPECT_EQ(rig.State().g_selectedPage, page::kThrottle);
  EXPECT_TRUE(window.BrakePage()->isHidden());
  EXPECT_FALSE(window.ThrottlePage()->isHidden());
  rig.State().g_selectedPage = page::kData;
  window.ShowPage(page::kData);
  EXPECT_TRUE(window.DataPage()->isHidden());
  // A switch to the page already shown changes nothing either.
  rig.State().g_curveEditorOpen = 0;
  rig.State().g_selectedPage = page::kThrottle;
  window.ShowPage(page::kData);
  EXPECT_TRUE(window.DataPage()->isHidden());
}

TEST(MainWindow, DeviceMenuIgnoresTheDisplayBoxWhileAControllerIsPresent) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.OnPageButton(page::kGeneral);
  window.OnDeviceLcd();
  EXPECT_FALSE(rig.State().g_lcdMode);
  EXPECT_EQ(rig.State().g_selectedPage, page::kGeneral);
  EXPECT_FALSE(window.GeneralPage()->isHidden());
  EXPECT_TRUE(RowShown(window));
  // Outside LCD mode the other entry does nothing as well.
  window.OnDeviceEsc();
  EXPECT_EQ(rig.State().g_currentPage, page::kGeneral);
}

TEST(MainWindow, DisplayBoxModeShowsOnlyTheDeviceInformationPage) {
  MainWindowRig rig(true, SimTargetKind::kLcd);
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  ASSERT_TRUE(rig.RunUntil([&] { return rig.State().g_adapterReady == 1 && rig.State().g_deviceType != 0; }));
  rig.clock.AdvanceBy(1000);
  ASSERT_EQ(rig.State().g_escPresent, 0);
  window.OnDeviceLcd();
  EXPECT_TRUE(rig.State().g_lcdMode);
  EXPECT_EQ(rig.State().g_currentPage, page::kDeviceInfo);
  EXPECT_FALSE(window.DeviceInfoPage()->isHidden());
  EXPECT_FALSE(window.Button(button_id::kDeviceInfo)->isHidden());
  EXPECT_TRUE(window.Button(button_id::kGeneral)->isHidden());
  EXPECT_TRUE(window.Button(button_id::kApply)->isHidden());
  EXPECT_EQ(window.BackgroundFile(), "V3Menu.bmp");
  // Everything else stays refused.
  window.OnApply();
  EXPECT_TRUE(rig.dialogs.asked.empty());
}

TEST(MainWindow, AV1ControllerHidesTheButtonRowAndShowsItsPanelAlone) {
  MainWindowRig rig(true, SimTargetKind::kV1);
  CQorProDlg& window = *rig.window;
  ASSERT_TRUE(window.OnInitDialog());
  ASSERT_TRUE(rig.RunUntil([&] {
    return rig.State().g_deviceType == device_type::kV1 && !window.V1Panel()->isHidden() &&
           rig.State().g_transferPending == 0;
  }));
  for (int id : kRow) EXPECT_TRUE(window.Button(id)->isHidden()) << id;
  EXPECT_FALSE(AnyPageShown(window));
  EXPECT_TRUE(window.CnV1Panel()->isHidden());
  // The settings file belongs to the full controller only.
  rig.dialogs.saveFile = "/nonexistent/never.DATA";
  window.OnExportData();
  EXPECT_TRUE(rig.dialogs.filters.empty());
  // Losing the adapter takes the panel away again.
  ASSERT_TRUE(rig.hid.Pull(SimulatedHidLibrary::SimPath(0)));
  rig.clock.AdvanceBy(1);
  EXPECT_TRUE(window.V1Panel()->isHidden());
  EXPECT_TRUE(RowShown(window));
}

class MainWindowFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("vuriru_main_window_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

TEST_F(MainWindowFiles, ExportThenImportRestoresTheSettingsAndGivesTheSameBytes) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.OnPageButton(page::kGeneral);
  const size_t row = GeneralRow(window, Setting::RunMode);
  const int32_t exported = window.Settings().Current(Setting::RunMode);
  const std::string exportedText = window.GeneralPage()->ValueText(row);

  rig.dialogs.saveFile = (dir / "settings.bak").string();
  window.OnExportData();
  ASSERT_EQ(rig.dialogs.filters.size(), 1u);
  EXPECT_EQ(rig.dialogs.filters[0], "(*.DATA)|*.DATA|JSON (*.json)|*.json|All File (*.*)|*.*||");
  const std::filesystem::path saved = dir / "settings.DATA";
  const std::vector<uint8_t> first = FileBytes(saved);
  ASSERT_EQ(first.size(), 804u);
  EXPECT_EQ(first.front(), 0);
  EXPECT_EQ(first[802], 0xA0);
  EXPECT_EQ(first[803], 0x10);

  // A change on the page, then the file brings the exported value back.
  window.GeneralPage()->OpenList(row);
  window.GeneralPage()->ChooseOption(row, exported == 0 ? 1 : 0);
  ASSERT_NE(window.Settings().Current(Setting::RunMode), exported);
  rig.dialogs.openFile = saved.string();
  window.OnImportData();  // answered Cancel: nothing changes
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_EQ(rig.dialogs.asked[0].rfind("Import: settings.DATA would change:\n\nRUN MODE: ", 0), 0u)
      << rig.dialogs.asked[0];
  EXPECT_NE(window.Settings().Current(Setting::RunMode), exported);
  rig.dialogs.answers = {Answer::kOk};
  window.OnImportData();
  EXPECT_EQ(window.Settings().Current(Setting::RunMode), exported);
  EXPECT_EQ(window.GeneralPage()->ValueText(row), exportedText);

  rig.dialogs.saveFile = (dir / "again").string();
  window.OnExportData();
  EXPECT_EQ(FileBytes(dir / "again.DATA"), first);
}

TEST_F(MainWindowFiles, ExportAsksBeforeOverwritingAndImportRefusesADamagedFile) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  const std::filesystem::path saved = dir / "car.DATA";
  {
    std::ofstream old(saved, std::ios::binary);
    old << "old";
  }
  rig.dialogs.saveFile = saved.string();
  window.OnExportData();  // answered No
  EXPECT_EQ(rig.dialogs.asked, std::vector<std::string>{"Save as...: This file exists,do you want overwrite it?"});
  EXPECT_EQ(FileBytes(saved).size(), 3u);
  rig.dialogs.answers = {Answer::kYes};
  window.OnExportData();
  std::vector<uint8_t> bytes = FileBytes(saved);
  ASSERT_EQ(bytes.size(), 804u);

  bytes[400] ^= 0x01;
  {
    std::ofstream damaged(saved, std::ios::binary | std::ios::trunc);
    damaged.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  const SettingsBlock before = window.Settings();
  rig.dialogs.asked.clear();
  rig.dialogs.openFile = saved.string();
  window.OnImportData();
  EXPECT_EQ(rig.dialogs.asked, std::vector<std::string>{"Import: Import file error!"});
  EXPECT_EQ(window.Settings().current, before.current);
}

TEST_F(MainWindowFiles, AJsonFileIsChosenByItsNameAndImportedAfterItsQuestion) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  const int32_t exported = window.Settings().Current(Setting::RunMode);
  rig.dialogs.saveFile = (dir / "car.json").string();
  window.OnExportData();
  std::ifstream in(dir / "car.json");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("\"format\": \"vuriru-link settings\""), std::string::npos) << text.substr(0, 200);
  EXPECT_FALSE(std::filesystem::exists(dir / "car.DATA"));

  window.Settings().Current(Setting::RunMode) = exported == 0 ? 1 : 0;
  window.OnPageButton(page::kGeneral);
  rig.dialogs.openFile = (dir / "car.json").string();
  rig.dialogs.answers = {Answer::kOk};
  window.OnImportData();
  ASSERT_EQ(rig.dialogs.asked.size(), 1u);
  EXPECT_EQ(rig.dialogs.asked[0].rfind("Import: car.json would change:\n\nRUN MODE: ", 0), 0u) << rig.dialogs.asked[0];
  EXPECT_EQ(window.Settings().Current(Setting::RunMode), exported);
  const size_t row = GeneralRow(window, Setting::RunMode);
  EXPECT_EQ(window.GeneralPage()->ValueText(row),
            window.GeneralPage()->Table().rows[row].options.at(static_cast<size_t>(exported)));
}

// The window keeps the first read in its library; File > History... lists
// it, and Load puts it back on the pages without writing to the controller.
TEST_F(MainWindowFiles, TheHistoryItemListsTheReadAndLoadsItOntoThePages) {
  Library library(dir / "library.sqlite3");
  MainWindowRig rig;
  CQorProDlg& window = *rig.window;
  window.KeepHistoryIn(library);
  ASSERT_TRUE(rig.StartAndRead());
  ASSERT_EQ(library.ListSnapshots().size(), 1u);
  const int32_t read = window.Settings().Current(Setting::RunMode);
  window.Settings().Current(Setting::RunMode) = read == 0 ? 1 : 0;
  window.OnPageButton(page::kGeneral);
  const uint32_t stores = rig.hid.Adapter(0).Target().Memory().storesCompleted;

  QMenuBar* bar = window.findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QMenu* file = bar->actions().at(0)->menu();
  ASSERT_NE(file, nullptr);
  const QList<QAction*> items = file->actions();
  ASSERT_GE(items.size(), 2);
  QAction* history = items.at(items.size() - 2);
  ASSERT_EQ(history->text(), QStringLiteral("History..."));
  EXPECT_EQ(items.back()->text(), QStringLiteral("E&xit"));

  // The window is modal; it is answered from inside its own event loop.
  int rows = -1;
  QString details;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<CHistoryDlg*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    rows = dialog->List()->topLevelItemCount();
    details = dialog->Details()->toPlainText();
    dialog->LoadButton()->click();
  });
  history->trigger();
  EXPECT_EQ(rows, 1);
  EXPECT_TRUE(details.contains(QStringLiteral("RUN MODE: "))) << details.toStdString();
  EXPECT_EQ(window.Settings().Current(Setting::RunMode), read);
  const size_t row = GeneralRow(window, Setting::RunMode);
  EXPECT_EQ(window.GeneralPage()->ValueText(row),
            window.GeneralPage()->Table().rows[row].options.at(static_cast<size_t>(read)));
  rig.clock.AdvanceBy(1000);
  EXPECT_EQ(rig.hid.Adapter(0).Target().Memory().storesCompleted, stores);
  EXPECT_TRUE(rig.dialogs.told.empty());
}

// Each first read keeps one run; the Data page's History button shows the
// runs kept, and a single run says that the charts need two.
TEST_F(MainWindowFiles, TheDataPagesHistoryButtonShowsTheRunsTheFirstReadsKept) {
  Library library(dir / "library.sqlite3");
  MainWindowRig rig;
  CQorProDlg& window = *rig.window;
  window.KeepHistoryIn(library);
  ASSERT_TRUE(rig.StartAndRead());
  ASSERT_EQ(library.ListRunLog().size(), 1u);
  window.OnPageButton(page::kData);
  QPushButton* button = window.DataPage()->HistoryButton();
  ASSERT_TRUE(button->isVisibleTo(&window));
  EXPECT_EQ(button->text(), QStringLiteral("History"));

  bool opened = false;
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* view = dynamic_cast<RunLogView*>(QApplication::activeModalWidget());
    if (view == nullptr) return;
    opened = true;
    shown = view->SummaryLine()->text();
    view->reject();
  });
  button->click();
  EXPECT_TRUE(opened);
  EXPECT_TRUE(shown.startsWith(QStringLiteral("The charts need two runs"))) << shown.toStdString();
  EXPECT_TRUE(rig.dialogs.told.empty());
}

TEST(MainWindow, PullingTheAdapterReturnsToTheStartState) {
  MainWindowRig rig;
  ASSERT_TRUE(rig.StartAndRead());
  CQorProDlg& window = *rig.window;
  window.OnPageButton(page::kGeneral);
  ASSERT_TRUE(rig.hid.Pull(SimulatedHidLibrary::SimPath(0)));
  rig.clock.AdvanceBy(1);
  const SharedState& state = rig.State();
  EXPECT_EQ(state.g_linkState, link_state::kNoLink);
  EXPECT_EQ(state.g_adapterReady, 0);
  EXPECT_EQ(state.g_escPresent, 0);
  EXPECT_EQ(state.g_selectedPage, 0);
  EXPECT_EQ(state.g_currentPage, page::kNoneShown);
  EXPECT_FALSE(AnyPageShown(window));
  EXPECT_TRUE(RowShown(window));
  EXPECT_EQ(window.BackgroundFile(), "1.bmp");
  EXPECT_TRUE(window.IsBusy());
  EXPECT_FALSE(window.Link().IsOpen());
  // Plugged in again, it is found and read anew.
  ASSERT_TRUE(rig.hid.Plug(SimulatedHidLibrary::SimPath(0)));
  EXPECT_TRUE(rig.RunUntil([&] { return rig.ReadDone(); }));
  EXPECT_TRUE(RowShown(window));
}

}  // namespace
}  // namespace vuriru
