#include "ClassroomFixture.h"

#include "platform/MessageBox.h"
#include "platform/Runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

bool ClassroomFixture::wantsMediaFile(const QString&) const { return true; }

QString ClassroomFixture::generatedMediaDir() { return QStringLiteral(PIPKIN_START_DIR); }

void ClassroomFixture::SetUp() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    const QDir media(generatedMediaDir());
    ASSERT_TRUE(media.exists()) << "the start directory was not generated: " << generatedMediaDir().toStdString();
    for (const QString& name : media.entryList(QDir::Files)) {
        if (wantsMediaFile(name)) {
            ASSERT_TRUE(QFile::copy(media.filePath(name), startFile(name)));
        }
    }
    previousDir_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_->path()));
    platform::MessageBox::clearCaptured();
    platform::Runtime::setClock({});
    room_ = std::make_unique<Classroom>();
    room_->start();
}

void ClassroomFixture::TearDown() {
    room_.reset();
    QDir::setCurrent(previousDir_);
    dir_.reset();
}

void ClassroomFixture::processEventsFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool ClassroomFixture::waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        if (condition())
            return true;
        processEventsFor(50);
    }
    return condition();
}
