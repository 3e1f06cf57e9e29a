#include "sound.h"
#include "event_sound_player.h"

#include <QApplication>

namespace rutschbild::qt {

CanberraBeeper::CanberraBeeper()
    : player_(new EventSoundPlayer([this] {
          // The toolkit's beep belongs to the window's thread.
          QMetaObject::invokeMethod(
              &receiver_, [] { QApplication::beep(); }, Qt::QueuedConnection);
      }))
{
    thread_.setObjectName(QStringLiteral("Rutschbild beeps"));
    player_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, player_, &QObject::deleteLater);
}

CanberraBeeper::~CanberraBeeper()
{
    if (!thread_.isRunning()) {
        delete player_; // never beeped: the thread never ran
        return;
    }
    thread_.quit();
    thread_.wait();
}

void CanberraBeeper::beep()
{
    // The thread, and libcanberra with it, start with the first beep: a window that is built
    // and closed without a move costs no thread.
    if (!thread_.isRunning())
        thread_.start();
    QMetaObject::invokeMethod(
        player_, [player = player_] { player->beep(); }, Qt::QueuedConnection);
}

} // namespace rutschbild::qt
