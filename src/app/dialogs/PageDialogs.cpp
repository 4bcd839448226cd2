#include "app/dialogs/PageDialogs.h"

#include <QMouseEvent>

namespace moxa {
namespace {

// The fields of every page dialog start this far into the frame.
constexpr QPoint kFieldsAt{30, 80};
constexpr int kNameFieldWidth = 300;
constexpr int kFieldHeight = 32;
constexpr int kDeleteMessageTop = 100;

const char* const kFieldStyle =
    "QLabel#caption { font-size: 14px; font-weight: 600; color: #1f3b4d; }"
    "QLabel#hint { font-size: 12px; color: #6b7c88; }"
    "QLabel#suffix { font-size: 14px; color: #1f3b4d; }"
    "QLineEdit, QPlainTextEdit { font-size: 14px; padding: 4px 6px; border: 1px solid #9fb3c2;"
    " border-radius: 5px; background: white; color: #1f3b4d; }"
    "QLineEdit:focus, QPlainTextEdit:focus { border-color: #1f7a8c; }"
    "QLineEdit:disabled { background: #eef2f5; color: #6b7c88; }";

// A field's caption: clicking it puts the focus into the field.
class FieldCaption : public QLabel {
 public:
  FieldCaption(const QString& text, QWidget* field, QWidget* parent) : QLabel(text, parent) {
    setObjectName(QStringLiteral("caption"));
    setBuddy(field);
    setCursor(Qt::PointingHandCursor);
    adjustSize();
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && buddy()) buddy()->setFocus(Qt::MouseFocusReason);
  }
};

QWidget* FieldPanel(LayerDialog* dialog, int width, int height) {
  auto* panel = new QWidget(dialog);
  panel->setObjectName(QStringLiteral("fieldPanel"));
  panel->setGeometry(QRect(kFieldsAt, QSize(width, height)));
  panel->setStyleSheet(QString::fromLatin1(kFieldStyle));
  return panel;
}

QLabel* Text(const QString& text, const char* role, QWidget* parent, QPoint at) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(role));
  label->setTextFormat(Qt::PlainText);
  label->adjustSize();
  label->move(at);
  return label;
}

void Caption(const QString& text, QWidget* field, QWidget* parent, QPoint at) {
  (new FieldCaption(text, field, parent))->move(at);
}

QPlainTextEdit* Memo(const QString& objectName, QWidget* parent, QRect geometry) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(objectName);
  memo->setTabChangesFocus(true);
  memo->setGeometry(geometry);
  return memo;
}

}  // namespace

PageNameDialog::PageNameDialog(const Pictures& pictures, const Placement& placement,
                               QWidget* parent)
    : LayerDialog(pictures, placement, parent) {
  QWidget* panel = FieldPanel(this, width() - 2 * kFieldsAt.x(), 180);
  fileName_ = new QLineEdit(panel);
  fileName_->setObjectName(QStringLiteral("fileNameField"));
  fileName_->setGeometry(0, 24, kNameFieldWidth, kFieldHeight);
  label_ = new QLineEdit(panel);
  label_->setObjectName(QStringLiteral("labelField"));
  label_->setGeometry(0, 120, kNameFieldWidth, kFieldHeight);

  auto* fileCaption = new FieldCaption(
      QStringLiteral("<span style=\"color:#c62828\">*</span> File Name"), fileName_, panel);
  fileCaption->move(0, 0);
  Text(QStringLiteral(".html"), "suffix", panel, QPoint(kNameFieldWidth + 6, 31));
  Text(QStringLiteral("The file name of your page "), "hint", panel, QPoint(0, 60));
  Caption(QStringLiteral("Label"), label_, panel, QPoint(0, 96));
  Text(QStringLiteral("The text displayed in the menu navigation"), "hint", panel, QPoint(0, 156));
  connect(fileName_, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ << text; });
}

void PageNameDialog::Fill(const QString& fileName, const QString& label, bool fileNameEnabled) {
  fileName_->setText(fileName);
  label_->setText(label);
  fileName_->setEnabled(fileNameEnabled);
  shown_.clear();
}

void PageNameDialog::FocusFirstField() {
  (fileName_->isEnabled() ? fileName_ : label_)->setFocus(Qt::OtherFocusReason);
}

void PageNameDialog::ShowCleaned(const CleanedNames& names) {
  // The field shows each removal in turn, as the user would see it happen.
  for (const QString& step : names.FileNameSteps) fileName_->setText(step);
  fileName_->setText(names.FileName);
  label_->setText(names.Label);
}

PagePropertiesDialog::PagePropertiesDialog(const Pictures& pictures, QWidget* parent)
    : LayerDialog(pictures, PagePropertiesPlacement(), parent) {
  const int width = this->width() - 2 * kFieldsAt.x();
  QWidget* panel = FieldPanel(this, width, 340);
  title_ = new QLineEdit(panel);
  title_->setObjectName(QStringLiteral("windowTitleField"));
  title_->setGeometry(0, 22, width, kFieldHeight);
  description_ = Memo(QStringLiteral("descriptionField"), panel, QRect(0, 106, width, 64));
  keywords_ = Memo(QStringLiteral("keywordsField"), panel, QRect(0, 224, width, 64));

  Caption(QStringLiteral("Window Title"), title_, panel, QPoint(0, 0));
  Text(QStringLiteral("Text that is displayed in the browser tab"), "hint", panel, QPoint(0, 58));
  Caption(QStringLiteral("Description"), description_, panel, QPoint(0, 84));
  Text(QStringLiteral("Metadata that describes your site to search engines"), "hint", panel,
       QPoint(0, 174));
  Caption(QStringLiteral("Keywords"), keywords_, panel, QPoint(0, 202));
  Text(QStringLiteral("Words or phrases people might use to find your site, separated by commas. "
                      "e.g."),
       "hint", panel, QPoint(0, 292));
  Text(QStringLiteral("'dogs, cats, pets'"), "hint", panel, QPoint(0, 310));
}

void PagePropertiesDialog::Fill(const PageProperties& properties) {
  title_->setText(properties.WindowTitle);
  description_->setPlainText(properties.Description);
  keywords_->setPlainText(properties.Keywords);
}

PageProperties PagePropertiesDialog::properties() const {
  return {title_->text(), description_->toPlainText(), keywords_->toPlainText()};
}

DeletePageDialog::DeletePageDialog(const Pictures& pictures, QWidget* parent)
    : LayerDialog(pictures, DeletePagePlacement(), parent) {
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("deleteMessage"));
  message_->setTextFormat(Qt::PlainText);
  message_->setWordWrap(true);
  message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  message_->setStyleSheet(QStringLiteral("font-size: 14px; color: #1f3b4d;"));
  message_->setGeometry(20, kDeleteMessageTop, width() - 40, 60);
}

void DeletePageDialog::setPageName(const QString& fileName) {
  message_->setText(QStringLiteral("Are you sure you want to delete page '") + fileName +
                    QStringLiteral("'?"));
}

}  // namespace moxa
