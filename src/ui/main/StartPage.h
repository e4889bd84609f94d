// The web pane WebBrowser1: the start page of the date folder, whose
// pictures shrink with the pane, keeping their proportions, where it is
// narrower than they are, so that the page never scrolls sideways. The page
// is read where it is installed; the advertisement picture it shows comes
// from the run's date folder, where a downloaded one is kept.
#pragma once

#include <QTextBrowser>

namespace kw {

class StartPage : public QTextBrowser {
  Q_OBJECT

 public:
  explicit StartPage(QWidget* parent = nullptr);

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
  QVariant loadResource(int type, const QUrl& name) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void FitPictures();
};

}  // namespace kw
