#include "modules/Transmission.h"
#include "FakePrompts.h"
#include "TestSupport.h"
#include "commands/MainFrame.h"
#include "ui/CommandIds.h"

#include <cmath>

namespace lumivex {
namespace {

using test::FakePrompts;
using test::FakeViews;
using test::FuzzyCompare;
using test::MakeSpectrum;

CSpectrum Lamp() {
  // 300 to 800 nm, rising: y = x / 100.
  CSpectrum lamp = MakeSpectrum(300.0f, 2.0f, 251, [](float x) { return x / 100.0f; });
  lamp.m_kind = SpectrumKind::LightSource;
  return lamp;
}

CSpectrum Absorber(float (*absorbance)(float)) {
  CSpectrum absorber = MakeSpectrum(400.0f, 1.0f, 301, absorbance);
  absorber.m_kind = SpectrumKind::Absorption;
  return absorber;
}

TEST(Transmission, AbsorbanceAttenuatesByPowersOfTenScaledByTheFactor) {
  CSpectrum lamp = Lamp();
  lamp.m_xShift = 3.0f;
  const CSpectrum flat = Absorber([](float) { return 1.0f; });

  const auto unchanged = SimulateTransmission(lamp, flat, 0.0f);
  EXPECT_EQ(unchanged->m_points, lamp.m_points);
  EXPECT_EQ(unchanged->m_kind, SpectrumKind::LightSource);
  EXPECT_EQ(unchanged->m_xStep, 2.0f);
  EXPECT_EQ(unchanged->m_descending, 0);
  EXPECT_EQ(unchanged->m_xShift, 3.0f);
  EXPECT_EQ(unchanged->m_name, "Transmission");
  EXPECT_EQ(unchanged->m_peakY, 8.0f);
  EXPECT_EQ(unchanged->m_normalizedPeak, 8.0f);
  EXPECT_EQ(unchanged->m_peakX, 800.0f);

  const auto tenth = SimulateTransmission(lamp, flat, 1.0f);
  const auto half = SimulateTransmission(lamp, flat, 0.5f);
  ASSERT_EQ(tenth->m_points.size(), lamp.m_points.size());
  for (std::size_t i = 0; i < lamp.m_points.size(); i += 50) {
    EXPECT_EQ(tenth->m_points[i].x, lamp.m_points[i].x);
    EXPECT_TRUE(FuzzyCompare(tenth->m_points[i].y, lamp.m_points[i].y / 10.0));
    EXPECT_TRUE(FuzzyCompare(half->m_points[i].y, lamp.m_points[i].y / std::sqrt(10.0)));
  }
  EXPECT_TRUE(FuzzyCompare(tenth->m_peakY, 0.8));
}

TEST(Transmission, BeyondTheAbsorberItsEdgeAbsorbanceApplies) {
  // Absorbance rises from 0 at 400 nm to 1 at 700 nm.
  const CSpectrum ramp = Absorber([](float x) { return (x - 400.0f) / 300.0f; });
  const CSpectrum lamp = Lamp();
  const auto through = SimulateTransmission(lamp, ramp, 1.0f);
  const auto at = [&](float x) {
    for (const SpectrumPoint& p : through->m_points) {
      if (p.x == x) {
        return static_cast<double>(p.y);
      }
    }
    ADD_FAILURE() << "no point at " << x;
    return 0.0;
  };
  EXPECT_TRUE(FuzzyCompare(at(350.0f), 3.5));
  EXPECT_TRUE(FuzzyCompare(at(550.0f), 5.5 / std::pow(10.0, 0.5)));
  // From the last point on, the absorbance is that of the point before it (699 nm).
  EXPECT_TRUE(FuzzyCompare(at(750.0f), 7.5 / std::pow(10.0, 299.0 / 300.0)));
  EXPECT_TRUE(FuzzyCompare(at(800.0f), 8.0 / std::pow(10.0, 299.0 / 300.0)));
  // The largest transmitted value is where the absorbance is still 0: 400 nm, where the
  // attenuation begins to outrun the lamp's rise.
  EXPECT_EQ(through->m_peakX, 400.0f);
  EXPECT_TRUE(FuzzyCompare(through->m_peakY, 4.0));
}

TEST(Transmission, NegativeAbsorbanceRaisesTheLightAndNonFiniteValuesAreZero) {
  const CSpectrum lamp = Lamp();
  const auto raised = SimulateTransmission(lamp, Absorber([](float) { return -0.3f; }), 1.0f);
  EXPECT_GT(raised->m_points[10].y, lamp.m_points[10].y);
  EXPECT_TRUE(FuzzyCompare(raised->m_points[10].y, lamp.m_points[10].y * std::pow(10.0, 0.3)));

  // 10^-100 is 0 in single precision: the quotient would be infinite.
  const auto absurd = SimulateTransmission(lamp, Absorber([](float) { return -100.0f; }), 1.0f);
  for (const SpectrumPoint& p : absurd->m_points) {
    EXPECT_EQ(p.y, 0.0f) << p.x;
  }
  EXPECT_EQ(absurd->m_peakY, 0.0f);
  const auto opaque = SimulateTransmission(lamp, Absorber([](float) { return 100.0f; }), 1.0f);
  EXPECT_EQ(opaque->m_points.front().y, 0.0f);
}

TEST(Transmission, EntryTextAndFactorField) {
  EXPECT_EQ(TransmissionEntryText(1.0f), "Transmission '1.00'");
  EXPECT_EQ(TransmissionEntryText(0.5f), "Transmission '0.50'");
  EXPECT_EQ(TransmissionEntryText(0.0f), "Transmission '0.00'");

  CTransSim dlg;
  EXPECT_STREQ(dlg.ClassName(), "CTransSim");
  EXPECT_EQ(dlg.m_factor, 1.0f);
  ASSERT_EQ(dlg.Fields().size(), 1u);
  EXPECT_STREQ(dlg.Fields()[0].label, "Adjustible parameter*");
  auto refusal = dlg.StoreFields({{"factor", "1.5"}});
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "Please enter a number between 0 and 1.");
  refusal = dlg.StoreFields({{"factor", "half"}});
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->message, "Please enter a number.");
  EXPECT_EQ(dlg.m_factor, 1.0f);
  EXPECT_FALSE(dlg.StoreFields({{"factor", " 0.25 "}}));
  EXPECT_EQ(dlg.m_factor, 0.25f);
  EXPECT_FALSE(dlg.StoreFields({{"factor", "0"}}));
  EXPECT_EQ(dlg.m_factor, 0.0f);
}

class TransmissionCommand : public ::testing::Test {
protected:
  TransmissionCommand() : frame(prompts, views) { frame.Startup(); }

  void Add(CSpectrum spectrum, bool selected) {
    frame.m_pData->AppendSpectrum(std::make_unique<CSpectrum>(std::move(spectrum)));
    const int entry = frame.m_fileList.AddEntry("entry", frame.m_fileList.Count());
    frame.m_fileList.SetSelected(entry, selected);
  }

  FakePrompts prompts;
  FakeViews views;
  CMainFrame frame;
};

TEST_F(TransmissionCommand, UsagePromptUnlessExactlyTwoAreSelected) {
  Add(Lamp(), true);
  prompts.messageAnswers.push_back(kResultHelp);
  EXPECT_TRUE(frame.Execute(kIdTransmission));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text,
            "Transmission Simulation:  Open the radiation spectrum (or emission spectrum) for the "
            "desired light source.  Then open the absorption spectrum that represents the sample "
            "to be illuminated.  Then, highlight the data files in the Data File window and click "
            "the module icon on the toolbar.");
  EXPECT_EQ(prompts.messages[0].caption, "Transmission Simulation");
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::HelpOk);
  EXPECT_EQ(prompts.helpTopics, std::vector<int>{108384});

  Add(Absorber([](float) { return 1.0f; }), true);
  Add(Absorber([](float) { return 1.0f; }), true);
  frame.Execute(kIdTransmission);
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[1].buttons, MessageButtons::HelpOk);
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(TransmissionCommand, TwoAbsorptionSpectraAreNoLightSource) {
  Add(Absorber([](float) { return 1.0f; }), true);
  Add(Absorber([](float) { return 2.0f; }), true);
  frame.Execute(kIdTransmission);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, "Please select two files, one for light source and  one for "
                                      "Abs before 'Transmission Simulation' can be performed.");
  EXPECT_EQ(prompts.messages[0].caption, "Lumivex");
  EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(prompts.dialogsRun.empty());
}

TEST_F(TransmissionCommand, AddsTheTransmittedSpectrumUnselected) {
  CSpectrum curve = Lamp();
  curve.m_kind = SpectrumKind::Curve;
  Add(Lamp(), false);
  Add(curve, true);
  Add(Absorber([](float) { return 1.0f; }), true);
  const float xMax = frame.m_pData->m_xMax;
  const float lightMax = frame.m_pData->m_lightSourceMax;

  // Cancel adds nothing.
  frame.Execute(kIdTransmission);
  EXPECT_EQ(prompts.dialogsRun, std::vector<std::string>{"CTransSim"});
  EXPECT_EQ(frame.m_pData->Count(), 3);

  prompts.dialogScripts.push_back([](CDialogModel& model) {
    EXPECT_FALSE(dynamic_cast<CTransSim&>(model).StoreFields({{"factor", "0.5"}}));
    return kResultOk;
  });
  const int repaints = views.graphInvalidated;
  frame.Execute(kIdTransmission);
  ASSERT_EQ(frame.m_pData->Count(), 4);
  const CSpectrum& result = *frame.m_pData->At(3);
  EXPECT_EQ(result.m_name, "Transmission");
  EXPECT_EQ(result.m_kind, SpectrumKind::Curve);
  EXPECT_TRUE(FuzzyCompare(result.m_points[0].y, 3.0 / std::sqrt(10.0)));
  ASSERT_EQ(frame.m_fileList.Count(), 4);
  EXPECT_EQ(frame.m_fileList.Entry(3).text, "Transmission '0.50'");
  EXPECT_EQ(frame.m_fileList.Entry(3).colour, WorkspaceColour(3));
  EXPECT_EQ(frame.Selection(), (std::vector<int>{1, 2}));
  EXPECT_GT(views.graphInvalidated, repaints);
  EXPECT_EQ(frame.m_pData->m_xMax, xMax);
  EXPECT_EQ(frame.m_pData->m_lightSourceMax, lightMax);
}

} // namespace
} // namespace lumivex
