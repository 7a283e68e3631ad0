// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page's value labels and option lists by mouse and by key:
// opening and closing the lists, moving the highlight, choosing.

#include <algorithm>

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "pages/settings_page.h"
#include "widgets/kit/widget_setup.h"

namespace vuriru {
namespace {

// True for the keys that move the highlight in an open list.
bool IsListNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    default:
      return false;
  }
}

bool IsActivationKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

void CSettingsPage::ClickOption(size_t row, int option) {
  QListWidget* list = m_rows[row].list;
  if (list->isHidden()) return;  // the selection change has already chosen
  // A click on the option already chosen fires no selection change. It closes
  // the list; on a curve selector it is still a choice, so that "Custom" opens
  // the editor on the custom curve the controller already holds. An option
  // the keys highlighted is not chosen yet: a click on it chooses it.
  if (m_table.rows[row].curveSelector || option != CurrentIndex(row)) {
    ChooseOption(row, option);
  } else {
    list->hide();
  }
}

void CSettingsPage::MoveHighlight(size_t row, int key) {
  QListWidget* list = m_rows[row].list;
  const int count = list->count();
  if (count == 0) return;
  const int step = std::max(1, list->viewport()->height() / kListRowHeight - 1);
  int target = std::max(list->currentRow(), 0);
  switch (key) {
    case Qt::Key_Up:
      target -= 1;
      break;
    case Qt::Key_Down:
      target += 1;
      break;
    case Qt::Key_PageUp:
      target -= step;
      break;
    case Qt::Key_PageDown:
      target += step;
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = count - 1;
      break;
    default:
      return;
  }
  target = std::clamp(target, 0, count - 1);
  {
    // Only the highlight moves; Enter or a click chooses.
    QSignalBlocker quiet(list);
    list->setCurrentRow(target);
  }
  list->scrollToItem(list->item(target));
}

void CSettingsPage::CloseListUnchosen(size_t row) {
  QListWidget* list = m_rows[row].list;
  {
    // The highlight goes back to the chosen option for the next opening.
    QSignalBlocker quiet(list);
    list->setCurrentRow(CurrentIndex(row));
  }
  list->hide();
  m_rows[row].label->setFocus(Qt::OtherFocusReason);
}

bool CSettingsPage::OnListKey(size_t row, QKeyEvent* key) {
  if (IsListNavigationKey(key->key())) {
    MoveHighlight(row, key->key());
    return true;
  }
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      QLabel* label = m_rows[row].label;
      ClickOption(row, m_rows[row].list->currentRow());
      if (!label->isHidden()) label->setFocus(Qt::OtherFocusReason);
      return true;
    }
    case Qt::Key_Escape:
      CloseListUnchosen(row);
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Leaves the list as Escape does, then moves on from its label.
      CloseListUnchosen(row);
      focusNextPrevChild(key->key() == Qt::Key_Tab);
      return true;
    default:
      return false;
  }
}

bool CSettingsPage::OnLabelKey(size_t row, QKeyEvent* key) {
  if (IsActivationKey(key->key()) && key->modifiers() == Qt::NoModifier) {
    // Exactly what a click on the label does, rules of the page included.
    QLabel* label = m_rows[row].label;
    const QPointF at(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    return true;
  }
  if (key->key() == Qt::Key_Escape && OpenListRow() != kNoOpenList) {
    CloseAllLists();
    return true;
  }
  if (key->key() == Qt::Key_Down && OpenListRow() == static_cast<int>(row)) {
    m_rows[row].list->setFocus(Qt::OtherFocusReason);
    return true;
  }
  return false;
}

void CSettingsPage::OpenList(size_t row) {
  if (row >= m_rows.size() || !m_table.rows[row].visible) return;
  // The click closes the other lists even where the rules keep this one shut.
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (i != row) m_rows[i].list->hide();
  }
  if (IsBlocked(row)) return;
  SetHelpText(m_table.rows[row].helpText);
  m_rows[row].list->show();
  m_rows[row].list->raise();
  m_rows[row].list->scrollToItem(m_rows[row].list->currentItem());
}

void CSettingsPage::CloseAllLists() {
  for (const Row& row : m_rows) row.list->hide();
}

int CSettingsPage::OpenListRow() const {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (!m_rows[i].list->isHidden()) return static_cast<int>(i);
  }
  return kNoOpenList;
}

void CSettingsPage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) CloseAllLists();
  QWidget::mousePressEvent(event);
}

bool CSettingsPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    // An opened list takes the keys at once, however a page opened it.
    for (const Row& row : m_rows) {
      if (watched == row.list) row.list->setFocus(Qt::OtherFocusReason);
    }
  }
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    for (size_t i = 0; i < m_rows.size(); ++i) {
      if (watched == m_rows[i].list) return OnListKey(i, key) || QWidget::eventFilter(watched, event);
      if (watched == m_rows[i].label) return OnLabelKey(i, key) || QWidget::eventFilter(watched, event);
    }
  }
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == m_helpPanel->viewport()) CloseAllLists();
    for (size_t i = 0; i < m_rows.size(); ++i) {
      if (watched == m_rows[i].label) {
        OpenList(i);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vuriru
