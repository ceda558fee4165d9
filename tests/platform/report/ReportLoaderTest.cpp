#include "ReportFixture.h"

#include "platform/report/ReportError.h"
#include "platform/report/ReportLoader.h"
#include "support/TestHelpers.h"

#include <gtest/gtest.h>

namespace {

// The text is a definition; the expected part of the error's description.
using Fault = reporttest::TextCase;

class MalformedDefinition : public ::testing::TestWithParam<Fault> { };

TEST_P(MalformedDefinition, RaisesReportFileError)
{
    const auto error = errorOf([&] { report::parseReport(GetParam().text, QString(), QStringLiteral("Prueba.rpt")); });
    EXPECT_EQ(error.Number, report::err::ReportFile);
    EXPECT_TRUE(error.Description.contains(QStringLiteral("Prueba.rpt")));
    EXPECT_TRUE(error.Description.contains(QString::fromUtf8(GetParam().expected))) << error.Description.toStdString();
}

#define TABLE R"("tables": [{"table": "V_TA_VENDEDORES", "alias": "VEN"}])"

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedDefinition,
    ::testing::Values(
        Fault{"{\"title\": ", ""}, Fault{R"({"title": "x"})", "no tiene tablas"},
        Fault{R"({"tables": [{"alias": "A"}]})", "\"table\""},
        Fault{R"({"tables": [{"table": "A"}, {"table": "B"}]})", "\"join\""},
        Fault{R"({"tables": [{"table": "A"}, {"table": "B", "join": "left"}]})", "\"on\""},
        Fault{R"({"tables": [{"table": "A"}, {"table": "B", "join": "left", "on": [["{A.X}"]]}]})", "dos campos"},
        Fault{"{" TABLE R"(, "page": {"size": "A3"}})", "A3"},
        Fault{"{" TABLE R"(, "page": {"margins": [1, 2, 3]}})", "margins"},
        Fault{"{" TABLE R"(, "detail": {"items": [{"text": "x", "at": [0, 0, 10]}]}})", "4 números"},
        Fault{"{" TABLE R"(, "detail": {"items": [{"text": "x", "at": [0, 0, 10, 4], "align": "justify"}]}})",
              "justify"},
        Fault{"{" TABLE R"(, "detail": {"items": [{"box": [0, 0, 10, 4], "fill": "verdoso"}]}})", "color"},
        Fault{"{" TABLE R"(, "detail": {"items": [{"image": [0, 0, 10, 4]}]}})", "imagen"},
        Fault{"{" TABLE R"(, "detail": {"items": [{"at": [0, 0, 10, 4]}]}})", "sin tipo"},
        Fault{"{" TABLE R"(, "detail": [3]})", "sección"},
        Fault{"{" TABLE R"(, "groups": [{"name": "G"}]})", "\"field\""},
        Fault{"{" TABLE R"(, "sums": [{"name": "S"}]})", "qué campo"},
        Fault{"{" TABLE R"(, "sums": [{"name": "S", "field": "{VEN.X}", "reset": "Nadie"}]})", "grupo"},
        Fault{"{" TABLE R"(, "subreports": [{"name": "Sub"}]})", "no tiene tablas"}));

TEST(ReportFile, MissingFileIsAReportFileError)
{
    const auto error = errorOf([] { report::loadReport(QStringLiteral("/no/existe/Prueba.rpt")); });
    EXPECT_EQ(error.Number, report::err::ReportFile);
    EXPECT_TRUE(error.Description.contains(QStringLiteral("/no/existe/Prueba.rpt")));
}

} // namespace
