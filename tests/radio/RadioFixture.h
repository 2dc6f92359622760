#pragma once
// A program folder in a temporary folder (Quarn/ under a parent that holds
// the radio's files), with the radio library copied from the build.
#include "radio/view/RadioController.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quarn::radiotest {

class RadioFolderFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        QDir(temp_.path()).mkdir(QStringLiteral("Quarn"));
        settings_.radioListFromServer = false;
    }
    QString program() const { return temp_.path() + QStringLiteral("/Quarn"); }
    QString parent() const { return temp_.path(); }
    void withLibrary() {
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUARN_DIST_DIR "/WemRadio02.dll"),
                                program() + QStringLiteral("/WemRadio02.dll")));
    }
    void put(const QString &path, const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    RadioContext context() {
        RadioContext c;
        c.aux.folder = program();
        c.aux.settings = &settings_;
        c.message = [this](const QString &text) { messages_ << text; };
        c.fetchList = [this](const std::string &folder, const std::string &saveAs,
                             std::function<void(bool)> done) {
            done(fetch_ && fetch_(folder, saveAs));
        };
        return c;
    }

    QTemporaryDir temp_;
    Settings settings_;
    QStringList messages_;
    std::function<bool(const std::string &, const std::string &)> fetch_;
};

} // namespace quarn::radiotest
