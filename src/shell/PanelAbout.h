#pragma once
// The About panel: the program name, a picture, the project's web and mail links, and OK.

#include <QFrame>

class QLabel;
class QPushButton;

inline constexpr auto kAboutWebSite = u"www.lotrix.example";
inline constexpr auto kAboutEMail = u"mail@lotrix.example";
inline constexpr auto kAboutMailSubject = u"about_Lotrix";

class TPanelAbout : public QFrame {
  Q_OBJECT
public:
  explicit TPanelAbout(QWidget* parent);

  // The URLs the link labels open (the shell's default handlers open them).
  static QString WebSiteUrl();
  static QString EMailUrl();

  QLabel* m_caption;
  QLabel* ImageAbout;
  QLabel* labelWebSite;
  QLabel* labelEMail;
  QLabel* linkWebSite;
  QLabel* linkEMail;
  QPushButton* btnAboutOK;

Q_SIGNALS:
  void prOpenWebSite();
  void prSendEMail();
};
