#pragma once
// The shipped texts in a chosen language for the report tests.

#include <gtest/gtest.h>

#include "core/text/TextManager.h"
#include "tests/common/TestSupport.h"

class ReportTextsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CTextManager::Instance()->LoadFile(
            testing_support::SourcePath(u"data\\trdata\\DatabaseEditor.txt").c_str()));
        CTextManager::Instance()->SetLanguage(CTextManager::English);
    }
    void TearDown() override { CTextManager::Instance()->SetLanguage(CTextManager::English); }
};
