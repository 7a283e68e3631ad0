// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/history/history_dlg.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/history/review_text.h"
#include "widgets/kit/language.h"

namespace vuriru {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

bool SameEntry(const HistoryEntry& a, const HistoryEntry& b) {
  return a.kind == b.kind && a.id == b.id;
}

}  // namespace

CHistoryDlg::CHistoryDlg(HistoryBrowser& browser, QWidget* parent)
    : QDialog(parent),
      m_browser(browser),
      m_list(new QTreeWidget(this)),
      m_details(new QPlainTextEdit(this)),
      m_load(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Load")), this)),
      m_export(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Export…")), this)),
      m_saveAs(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Save as setup…")), this)),
      m_rename(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Rename…")), this)),
      m_delete(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Delete")), this)),
      m_saveEdits(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Save edits as setup…")), this)),
      m_close(new QPushButton(MessageText(QT_TRANSLATE_NOOP("Messages", "Close")), this)),
      m_problem(new QLabel(this)) {
  setObjectName(QStringLiteral("history"));
  setWindowTitle(MessageText(kCaption));
  setModal(true);
  resize(760, 520);
  m_askName = [this](const QString& title, const QString& name, bool withNote) {
    return CSetupNameDlg::Ask(title, name, withNote, this);
  };

  m_list->setObjectName(QStringLiteral("entries"));
  m_list->setColumnCount(4);
  m_list->setHeaderLabels(
      {MessageText(QT_TRANSLATE_NOOP("Messages", "Date")), MessageText(QT_TRANSLATE_NOOP("Messages", "Reason or name")),
       MessageText(QT_TRANSLATE_NOOP("Messages", "Kind")), MessageText(QT_TRANSLATE_NOOP("Messages", "Software"))});
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setAllColumnsShowFocus(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->header()->setStretchLastSection(true);
  m_details->setObjectName(QStringLiteral("details"));
  m_details->setReadOnly(true);
  // Tab moves on to the buttons rather than into the text.
  m_details->setTabChangesFocus(true);
  m_problem->setObjectName(QStringLiteral("problem"));
  m_problem->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {m_load, m_export, m_saveAs, m_rename, m_delete}) buttons->addWidget(button);
  buttons->addStretch(1);
  buttons->addWidget(m_saveEdits);
  buttons->addWidget(m_close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list, 3);
  layout->addWidget(m_details, 2);
  layout->addLayout(buttons);
  layout->addWidget(m_problem);

  // Enter in the list loads; on a button, Enter presses that button.
  m_load->setDefault(true);
  setTabOrder(m_list, m_details);
  setTabOrder(m_details, m_load);
  setTabOrder(m_load, m_export);
  setTabOrder(m_export, m_saveAs);
  setTabOrder(m_saveAs, m_rename);
  setTabOrder(m_rename, m_delete);
  setTabOrder(m_delete, m_saveEdits);
  setTabOrder(m_saveEdits, m_close);

  connect(m_load, &QPushButton::clicked, this, [this] { OnLoad(); });
  connect(m_export, &QPushButton::clicked, this, [this] { OnExport(); });
  connect(m_saveAs, &QPushButton::clicked, this, [this] { OnSaveAsSetup(); });
  connect(m_rename, &QPushButton::clicked, this, [this] { OnRename(); });
  connect(m_delete, &QPushButton::clicked, this, [this] { OnDelete(); });
  connect(m_saveEdits, &QPushButton::clicked, this, [this] { OnSaveEdits(); });
  connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { OnChosen(); });
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { OnLoad(); });
  m_list->installEventFilter(this);

  Fill();
  m_list->setFocus();
}

bool CHistoryDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_list && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Delete) {
      OnDelete();
      return true;
    }
    if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_F2) {
      OnRename();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

const HistoryEntry* CHistoryDlg::Chosen() const {
  QTreeWidgetItem* item = m_list->currentItem();
  if (item == nullptr) return nullptr;
  const int row = m_list->indexOfTopLevelItem(item);
  if (row < 0 || static_cast<size_t>(row) >= m_entries.size()) return nullptr;
  return &m_entries[static_cast<size_t>(row)];
}

void CHistoryDlg::Fill(const std::function<bool(const HistoryEntry&)>& choose) {
  const QSignalBlocker quiet(m_list);
  m_list->clear();
  m_entries = m_browser.Entries();
  int chosen = 0;
  for (size_t i = 0; i < m_entries.size(); ++i) {
    const HistoryEntry& entry = m_entries[i];
    auto* item = new QTreeWidgetItem(
        m_list, {Q(entry.when),
                 // A setup's name is the user's own; a snapshot's reason is a word of ours.
                 entry.kind == HistoryEntry::Kind::kSetup ? Q(entry.reasonOrName) : MessageText(entry.reasonOrName),
                 MessageText(entry.kindText), Q(entry.software)});
    if (!entry.note.empty()) item->setToolTip(1, Q(entry.note));
    if (choose && choose(entry)) chosen = static_cast<int>(i);
  }
  for (int column = 0; column < 3; ++column) m_list->resizeColumnToContents(column);
  if (!m_entries.empty()) m_list->setCurrentItem(m_list->topLevelItem(chosen));
  m_problem->setText(MessageText(m_browser.LibraryProblemNotice()));
  m_problem->setVisible(!m_browser.LibraryProblemNotice().empty());
  OnChosen();
}

void CHistoryDlg::Refill(HistoryEntry chosen) {
  Fill([&](const HistoryEntry& e) { return SameEntry(e, chosen); });
}

void CHistoryDlg::OnChosen() {
  const HistoryEntry* entry = Chosen();
  const bool canChange = m_browser.CanChange();
  const bool full = entry != nullptr && entry->full;
  const bool setup = entry != nullptr && entry->kind == HistoryEntry::Kind::kSetup;
  m_load->setEnabled(full);
  m_export->setEnabled(full);
  m_saveAs->setEnabled(full && canChange);
  m_rename->setEnabled(setup && canChange);
  m_delete->setEnabled(setup && canChange);
  m_saveEdits->setEnabled(canChange);
  if (entry == nullptr) {
    // With a library in trouble the foot says why nothing is kept.
    m_details->setPlainText(m_browser.LibraryProblemNotice().empty()
                                ? MessageText(QT_TRANSLATE_NOOP(
                                      "Messages",
                                      "The history is empty. A snapshot is kept after every read of a controller, "
                                      "before every write and after every store; \"Save edits as setup…\" "
                                      "keeps the edited values under a name."))
                                : MessageText(QT_TRANSLATE_NOOP("Messages", "The history is empty.")));
    return;
  }
  m_details->setPlainText(EntryDetailsText(m_browser.Details(*entry)));
}

void CHistoryDlg::OnLoad() {
  const HistoryEntry* entry = Chosen();
  if (entry == nullptr || !entry->full) return;
  // The pages show the values at once; the window stays open on a refusal.
  if (m_browser.Load(*entry)) accept();
}

void CHistoryDlg::OnExport() {
  const HistoryEntry* entry = Chosen();
  if (entry == nullptr || !entry->full) return;
  m_browser.Export(*entry);
}

void CHistoryDlg::OnSaveAsSetup() {
  const HistoryEntry* entry = Chosen();
  if (entry == nullptr || !entry->full || !m_browser.CanChange()) return;
  const HistoryEntry from = *entry;
  const std::optional<SetupNameInput> input =
      m_askName(MessageText(QT_TRANSLATE_NOOP("Messages", "Save as setup")),
                from.kind == HistoryEntry::Kind::kSetup ? Q(from.name) : QString(), true);
  if (!input) return;
  if (!m_browser.SaveAsSetup(from, input->name, input->note)) return Refill(from);
  Fill([&](const HistoryEntry& e) { return e.kind == HistoryEntry::Kind::kSetup && e.name == input->name; });
}

void CHistoryDlg::OnSaveEdits() {
  if (!m_browser.CanChange()) return;
  const std::optional<SetupNameInput> input =
      m_askName(MessageText(QT_TRANSLATE_NOOP("Messages", "Save edits as setup")), QString(), true);
  if (!input) return;
  if (!m_browser.SaveEditsAsSetup(input->name, input->note)) return Refill(Chosen() ? *Chosen() : HistoryEntry{});
  Fill([&](const HistoryEntry& e) { return e.kind == HistoryEntry::Kind::kSetup && e.name == input->name; });
}

void CHistoryDlg::OnRename() {
  const HistoryEntry* entry = Chosen();
  if (entry == nullptr || entry->kind != HistoryEntry::Kind::kSetup || !m_browser.CanChange()) return;
  const HistoryEntry from = *entry;
  const std::optional<SetupNameInput> input =
      m_askName(MessageText(QT_TRANSLATE_NOOP("Messages", "Rename setup")), Q(from.name), false);
  if (!input) return;
  if (!m_browser.Rename(from, input->name)) return Refill(from);
  Fill([&](const HistoryEntry& e) { return SameEntry(e, from); });
}

void CHistoryDlg::OnDelete() {
  const HistoryEntry* entry = Chosen();
  if (entry == nullptr || entry->kind != HistoryEntry::Kind::kSetup || !m_browser.CanChange()) return;
  const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
  const HistoryEntry from = *entry;
  if (!m_browser.Delete(from)) return Refill(from);
  // The row that took its place is chosen next.
  Fill();
  if (m_list->topLevelItemCount() > 0) {
    m_list->setCurrentItem(m_list->topLevelItem(std::min(row, m_list->topLevelItemCount() - 1)));
  }
}

}  // namespace vuriru
