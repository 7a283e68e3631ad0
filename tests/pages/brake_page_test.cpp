// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/brake_page.h"

#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

#include "pages/qt_app.h"
#include "widgets/kit/fake_button_host.h"
#include "widgets/kit/owner_draw_button.h"
#include "window/button_art.h"

namespace vuriru {
namespace {

class BrakePage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureQtApplication(); }
  void SetUp() override { host.state.g_pageChosen = true; }

  QString LabelText(Setting setting) const { return page.ValueLabel(page.RowOf(setting))->text(); }

  testing::FakeButtonHost host;
  SettingsBlock block;
  CurveSet curves{block};
  CBrake page{block, curves, host};
};

TEST_F(BrakePage, LabelsShowTheFactoryOptionsFromTheStart) {
  EXPECT_EQ(LabelText(Setting::InitialBrake), "10%(*)");
  EXPECT_EQ(LabelText(Setting::BrakeStrength), "75%(*)");
  EXPECT_EQ(LabelText(Setting::BrakeSwitchPoint), "16K(*)");
  EXPECT_EQ(LabelText(Setting::BrakeCurve), "Linear(*)");
  EXPECT_FALSE(page.ValueLabel(page.RowOf(Setting::DragBrake))->isHidden());
  EXPECT_TRUE(page.ValueLabel(page.RowOf(Setting::DBrakeRate))->isHidden());
}

TEST_F(BrakePage, DefaultSetsTheHiddenDBrakeRate) {
  block.Current(Setting::DBrakeRate) = 55;
  page.ApplyFactoryIndexes();
  EXPECT_EQ(block.Current(Setting::DBrakeRate), 10);
}

TEST_F(BrakePage, CustomOpensTheEditorAndCancelRestoresThePage) {
  page.show();
  const size_t row = page.RowOf(Setting::BrakeCurve);
  page.ChooseOption(row, 1);
  EXPECT_FALSE(page.Editor()->isHidden());
  EXPECT_EQ(curves.brake.CloseFlag(), CurveModel::kShown);
  EXPECT_EQ(host.state.g_curveEditorOpen, 1);
  EXPECT_TRUE(page.ValueLabel(row)->isHidden());
  page.PrepareForSwitch();
  EXPECT_TRUE(page.ValueLabel(row)->isHidden());

  page.Editor()->Button(button_id::kCancel)->click();
  EXPECT_TRUE(page.RestoreAfterEditor());
  EXPECT_TRUE(page.Editor()->isHidden());
  EXPECT_EQ(page.ValueLabel(row)->text(), "Custom");
  EXPECT_FALSE(page.ValueLabel(row)->isHidden());
}

}  // namespace
}  // namespace vuriru
