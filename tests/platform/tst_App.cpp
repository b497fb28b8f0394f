#include "platform/runtime/App.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

TEST(AppTest, pathIsTheExecutableFolderUnlessATestSetsOne)
{
    rt::App::setPathForTesting("/tmp/some program folder");
    EXPECT_EQ(rt::App::Path(), "/tmp/some program folder");

    rt::App::setPathForTesting(QString());
    const QString executable = QFile::symLinkTarget("/proc/self/exe");
    EXPECT_EQ(rt::App::Path(), QFileInfo(executable).absolutePath());
    EXPECT_FALSE(rt::App::Path().endsWith(u'/'));
    EXPECT_TRUE(QFileInfo::exists(rt::App::Path() + u'/' + QFileInfo(executable).fileName()));
}

TEST(AppTest, titleIsTheProgramName)
{
    EXPECT_EQ(rt::App::Title(), "Quilvane");
}

TEST(AppTest, endRunsTheInstalledHandler)
{
    rt::setEndHandler([] { throw rt::ProcessEnded(); });
    EXPECT_THROW(rt::End(), rt::ProcessEnded);
    rt::setEndHandler(nullptr);
}

TEST(AppDeathTest, endEndsTheProcessAtOnceWithOutputFlushed)
{
    EXPECT_EXIT(
        {
            // Fully buffered, so the text reaches the pipe only if End() flushes.
            std::setvbuf(stderr, nullptr, _IOFBF, BUFSIZ);
            std::fputs("before the end", stderr);
            std::atexit([] { std::fputs("atexit ran", stderr); });
            rt::End();
        },
        ::testing::ExitedWithCode(0), "^before the end$");
}

TEST(AppDeathTest, endStillEndsTheProcessWhenTheHandlerReturns)
{
    EXPECT_EXIT(
        {
            rt::setEndHandler([] {});
            rt::End();
        },
        ::testing::ExitedWithCode(0), "");
}
