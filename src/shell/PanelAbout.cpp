#include "PanelAbout.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <functional>

#include "core/Lottery.h"

using namespace Qt::StringLiterals;

namespace {

// The About picture: a small ticket of six balls, drawn rather than shipped as a file.
QPixmap AboutPicture() {
  QPixmap picture(144, 96);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(37, 143, 37), 2));
  painter.drawRoundedRect(QRectF(3, 3, 138, 90), 8, 8);
  const QColor colours[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(37, 143, 37)};
  for (int i = 0; i < 6; ++i) {
    painter.setBrush(colours[i % 3]);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(24 + (i % 3) * 48, 30 + (i / 3) * 36), 14, 14);
  }
  return picture;
}

QLabel* MakeLink(QWidget* parent, const QString& name, const QString& text) {
  auto* link = new QLabel(text, parent);
  link->setObjectName(name);
  QFont font = link->font();
  font.setPointSize(10);
  font.setUnderline(true);
  link->setFont(font);
  QPalette palette = link->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
  link->setPalette(palette);
  link->setCursor(Qt::PointingHandCursor);
  link->adjustSize();
  return link;
}

// A label that reports clicks by emitting the given signal of the panel.
class TClickFilter : public QObject {
public:
  TClickFilter(QObject* parent, std::function<void()> onClick)
      : QObject(parent), m_onClick(std::move(onClick)) {}

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) {
      m_onClick();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

private:
  std::function<void()> m_onClick;
};

}  // namespace

QString TPanelAbout::WebSiteUrl() {
  return QUrl::fromUserInput(QString::fromUtf16(kAboutWebSite)).toString();
}

QString TPanelAbout::EMailUrl() {
  return u"mailto:"_s + QString::fromUtf16(kAboutEMail) + u"?subject="_s +
         QString::fromUtf16(kAboutMailSubject);
}

TPanelAbout::TPanelAbout(QWidget* parent) : QFrame(parent) {
  setObjectName(u"PanelAbout"_s);
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  m_caption = new QLabel(u"Lotrix"_s, this);
  m_caption->setObjectName(u"PanelAboutCaption"_s);
  QFont bold = m_caption->font();
  bold.setPointSize(12);
  bold.setBold(true);
  m_caption->setFont(bold);
  m_caption->move(16, 8);
  m_caption->adjustSize();

  ImageAbout = new QLabel(this);
  ImageAbout->setObjectName(u"ImageAbout"_s);
  ImageAbout->setPixmap(AboutPicture());
  ImageAbout->setGeometry(16, 40, 144, 96);

  labelWebSite = new QLabel(u"WWW:"_s, this);
  labelWebSite->setObjectName(u"labelWebSite"_s);
  labelWebSite->move(184, 56);
  labelWebSite->adjustSize();
  labelEMail = new QLabel(u"E-mail:"_s, this);
  labelEMail->setObjectName(u"labelEMail"_s);
  labelEMail->move(184, 56 + labelWebSite->height() + 8);
  labelEMail->adjustSize();

  linkWebSite = MakeLink(this, u"linkWebSite"_s, QString::fromUtf16(kAboutWebSite));
  linkWebSite->move(labelWebSite->x() + labelWebSite->width() + 8, labelWebSite->y());
  linkEMail = MakeLink(this, u"linkEMail"_s, QString::fromUtf16(kAboutEMail));
  linkEMail->move(labelEMail->x() + labelEMail->width() + 8, labelEMail->y());
  linkWebSite->installEventFilter(new TClickFilter(this, [this] { Q_EMIT prOpenWebSite(); }));
  linkEMail->installEventFilter(new TClickFilter(this, [this] { Q_EMIT prSendEMail(); }));
  connect(this, &TPanelAbout::prOpenWebSite, this,
          [] { QDesktopServices::openUrl(QUrl(WebSiteUrl())); });
  connect(this, &TPanelAbout::prSendEMail, this,
          [] { QDesktopServices::openUrl(QUrl(EMailUrl())); });

  btnAboutOK = new QPushButton(u"OK"_s, this);
  btnAboutOK->setObjectName(u"btnAboutOK"_s);
  btnAboutOK->setGeometry(300, 140, 80, 26);
  hide();
}
