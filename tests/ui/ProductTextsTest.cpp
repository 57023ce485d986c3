// The product name, application title and version the windows show, which
// come from the project's version through a generated header: the texts stay
// exactly as the program has always shown them.

#include "controls/Clock.h"
#include "controls/ShadowLabel.h"
#include "register/PersonRegister.h"
#include "support/TempDir.h"
#include "ui/AboutBoxUnit.h"
#include "ui/BioUnit.h"
#include "ui/PersonUnit.h"
#include "ui/app/CyclographApplication.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

class ProductTextsTest : public testing::Test
{
protected:
    test::TempDir dir;
    PersonRegister persons{dir.file("personen.dat")};
};

TEST_F(ProductTextsTest, MainWindowShowsTheProductName)
{
    const TPersonForm form(persons);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quellant Cyclograph 2.0"));
    const auto* title = form.findChild<ShadowLabel*>(QStringLiteral("TitleLabel"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("Quellant Cyclograph 2.0"));
}

TEST_F(ProductTextsTest, ChartWindowShowsTheProductName)
{
    const FixedClock clock(QDate(2001, 1, 18));
    const TBioForm form(persons, clock);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quellant Cyclograph 2.0"));
}

TEST_F(ProductTextsTest, InformationBoxShowsTheProductNameAndTheFourPartVersion)
{
    const TAboutBox box;
    const auto* product = box.findChild<QLabel*>(QStringLiteral("ProductName"));
    const auto* version = box.findChild<QLabel*>(QStringLiteral("Version"));
    ASSERT_NE(product, nullptr);
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(product->text(), QStringLiteral("Quellant Cyclograph 2.0"));
    EXPECT_EQ(version->text(), QStringLiteral("Version 2.0.0.0"));
}

TEST_F(ProductTextsTest, TheApplicationIsTitledWithTheShortName)
{
    CyclographApplication::setUp();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Cyclograph 2.0"));
}

} // namespace
} // namespace cyclo
