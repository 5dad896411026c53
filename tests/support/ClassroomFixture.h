#pragma once
// A fresh classroom for every test: a temporary start directory holding the generated media (all
// of it, or only the files a case wants), made the current directory, and the whole Classroom
// started in it, so a test drives the boards exactly as the child would.
#include "shell/Classroom.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class ClassroomFixture : public ::testing::Test {
protected:
    // Which generated media files the start directory gets; all of them unless a test says otherwise.
    virtual bool wantsMediaFile(const QString& name) const;

    void SetUp() override;
    void TearDown() override;

    Classroom& room() { return *room_; }
    QString startDir() const { return dir_->path(); }
    QString startFile(const QString& name) const { return QDir(dir_->path()).filePath(name); }
    // Lets queued work (sound-finished notices, deferred paints) run for a while.
    static void processEventsFor(int milliseconds);
    // Lets queued work run until the condition holds, for at most `milliseconds`; the last answer.
    static bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000);

    // The folder the build generated the media into.
    static QString generatedMediaDir();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString previousDir_;
    std::unique_ptr<Classroom> room_;
};

// The same classroom started from an empty start directory: no sounds, pictures or help text.
class EmptyClassroomFixture : public ClassroomFixture {
protected:
    bool wantsMediaFile(const QString&) const override { return false; }
};
