#pragma once
// frmShowErr: the dockable list of reported failures. It is set up (and shows
// itself) at the first report of a run; closing it discards its entries.
#include <QDockWidget>

class QListWidget;

namespace q7 {

class ErrorListWindow : public QDockWidget {
  Q_OBJECT
 public:
  explicit ErrorListWindow(QWidget* parent = nullptr);
  void appendLine(const QString& line);
  int entryCount() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QListWidget* listShowErr_;
};

}  // namespace q7
