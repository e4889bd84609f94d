#include "ui/aux/AdRefresher.h"

#include <QImageReader>
#include <QLineEdit>
#include <QSettings>
#include <exception>

namespace kw {

AdRefresher::AdRefresher(std::filesystem::path appDir, QWidget* parent, Fetch fetch)
    : QWidget(parent), appDir_(std::move(appDir)), fetch_(std::move(fetch)), Text1(new QLineEdit(this)) {
  setObjectName(QStringLiteral("frmFTP"));
  Text1->setObjectName(QStringLiteral("Text1"));
  if (!fetch_) {
    fetch_ = [](const std::string& server, const std::filesystem::path& appDir,
                const std::atomic<bool>& cancel) {
      return RefreshAdPicture(server, appDir, cancel, &AdRefresher::IsPictureFile);
    };
  }
  hide();  // stays hidden even when its parent is shown
}

AdRefresher::~AdRefresher() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
}

QString AdRefresher::AdServer() {
  QSettings settings(QStringLiteral("Kestrelway"), QStringLiteral("Kestrelway"));
  if (!settings.value(QStringLiteral("Network/AdRefresh"), true).toBool()) return {};
  return settings.value(QStringLiteral("Network/AdServer")).toString().trimmed();
}

bool AdRefresher::IsPictureFile(const std::filesystem::path& path) {
  QImageReader reader(QString::fromStdString(path.string()));
  reader.setDecideFormatFromContent(true);
  return !reader.read().isNull();
}

bool AdRefresher::Start() {
  if (running_) return false;
  const QString server = AdServer();
  if (server.isEmpty()) return false;
  if (worker_.joinable()) worker_.join();  // the last refresh, already finished
  cancel_ = false;
  running_ = true;
  worker_ = std::thread([this, server = server.toStdString()] {
    AdRefreshResult result;
    try {
      result = fetch_(server, appDir_, cancel_);
    } catch (const std::exception& e) {
      result.error = e.what();
    }
    QMetaObject::invokeMethod(
        this, [this, result] { Deliver(result); }, Qt::QueuedConnection);
  });
  return true;
}

void AdRefresher::Deliver(const AdRefreshResult& result) {
  running_ = false;
  Text1->setText(QString::fromStdString(result.replyText));
  emit Finished(result);
}

}  // namespace kw
