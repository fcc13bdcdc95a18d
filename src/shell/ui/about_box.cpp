#include "shell/ui/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/caption_table.h"
#include "foundation/error_report.h"

namespace q7 {
namespace {

struct AboutTexts {
  const char* caption;
  const char* title;
  const char* ok;
  const char* useRange;
  const char* version;
  const char* description;
  const char* rights;
};

// Fixed in this window, by language: Simplified Chinese, Traditional Chinese, English.
constexpr AboutTexts kTexts[] = {
    {"关于", "TARN Q7系列对讲机编程软件", "确定", "用于TARN Q7", "版本 1.0",
     "读取、编辑、保存并写入对讲机的信道与功能设置。", "保留所有权利。"},
    {"關於", "TARN Q7系列對講機編程軟體", "確定", "用於TARN Q7", "版本 1.0",
     "讀取、編輯、保存並寫入對講機的信道與功能設置。", "保留所有權利。"},
    {"About", "TARN Q7 Radio Programming Software", "OK", "For TARN Q7", "Version 1.0",
     "Reads, edits, saves and writes the channels and functions of the radio.",
     "All rights reserved."},
};

QLabel* label(const char* name, QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setWordWrap(true);
  return l;
}

}  // namespace

AboutBox::AboutBox(int language, const QString& fontFace, QWidget* parent)
    : QDialog(parent),
      lblTitle_(label("lblTitle", this)),
      lblUseRange_(label("lblUseRange", this)),
      lblVersion_(label("lblVersion", this)),
      lblDescription_(label("lblDescription", this)),
      lblRights_(label("lblRights", this)),
      cmdOK_(new QPushButton(this)) {
  setObjectName("frmAboutSoft");
  setModal(true);
  cmdOK_->setObjectName("cmdOK");
  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : {static_cast<QWidget*>(lblTitle_), static_cast<QWidget*>(lblUseRange_),
                     static_cast<QWidget*>(lblVersion_), static_cast<QWidget*>(lblDescription_),
                     static_cast<QWidget*>(lblRights_)}) {
    layout->addWidget(w);
  }
  layout->addWidget(cmdOK_, 0, Qt::AlignRight);
  connect(cmdOK_, &QPushButton::clicked, this,
          [this] { guard("frmAboutSoft->cmdOK_Click:", [this] { accept(); }); });
  guard("frmAboutSoft->Form_Load:", [&] { initFace(language, fontFace); });
}

void AboutBox::initFace(int language, const QString& fontFace) {
  guard("frmAboutSoft->InitFace:", [&] {
    const AboutTexts& t = kTexts[normalizeLanguage(language) - 1];
    setWindowTitle(QString::fromUtf8(t.caption));
    lblTitle_->setText(QString::fromUtf8(t.title));
    cmdOK_->setText(QString::fromUtf8(t.ok));
    lblUseRange_->setText(QString::fromUtf8(t.useRange));
    lblVersion_->setText(QString::fromUtf8(t.version));
    lblDescription_->setText(QString::fromUtf8(t.description));
    lblRights_->setText(QString::fromUtf8(t.rights));
    for (QWidget* w : std::initializer_list<QWidget*>{lblTitle_, cmdOK_, lblUseRange_, lblVersion_,
                                                      lblDescription_, lblRights_}) {
      QFont font = w->font();
      font.setFamily(fontFace);
      w->setFont(font);
    }
    QFont title = lblTitle_->font();
    title.setPointSize(14);
    lblTitle_->setFont(title);
  });
}

}  // namespace q7
