// Any text in a paste box, pressed with Shift, on every slot; then both computations on what
// the paste wrote.
#include <cstdint>
#include <string>

#include "Calculatrice.hpp"
#include "Lisible.hpp"
#include "Verifier.hpp"

using namespace orbalide;
using namespace orbalide::test;
using orbalide::fuzz::Lisible;
using orbalide::fuzz::Verifier;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Calculatrice c;
  if (size < 1) return 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto slot = static_cast<std::int16_t>(data[0] % 4);
  FormFormules& f = c.f;
  f.Text2.SetText("100");
  f.INS[slot].SetText(text);
  const int beeps = c.platform.beeps;
  f.INS_MouseDown(slot, 1, kShift);
  Verifier(c.platform.beeps == beeps + 1, "the paste beeps");
  f.Command2_Click();
  f.Command4_Click();
  for (FormFormules::Composante k : kComposantes) Verifier(Lisible((f.*k)[1].Text()), "arrival");
  for (const TextBox& t : f.FB) Verifier(Lisible(t.Text() + t.ToolTipText), "courses");
  Verifier(Lisible(f.Text3.Text() + f.Text3.ToolTipText), "distance");
  for (std::int16_t i = 3; i < 9; ++i) Verifier(Lisible(f.Text1[i].Text()), "inverse courses");
  Verifier(f.Focus() == nullptr || f.Focus()->Reachable(), "focus on a reachable control");
  return 0;
}
