// A program and the program written from its flowchart print the same when
// run: Python programs with python3, Pascal ones compiled with Free Pascal
// (where it is installed, as the test set-up does).
#include <gtest/gtest.h>

#include <cstdio>

#include "ChartProgramTestSupport.h"
#include "CodeChartTestSupport.h"
#include "support/TempDir.h"

namespace quobrix::test {
namespace {

struct Runnable {
  std::string program, input;
};

bool Installed(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Output(const std::string& commandLine) {
  std::string out;
  if (FILE* pipe = ::popen(commandLine.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0) << commandLine;
  }
  return out;
}

std::string RoundTripped(const std::string& program, CodeLanguage language) {
  BlocksHolderModel chart;
  Draw(chart, program, language);
  return WrittenProgram(chart, language);
}

// Runs the program as `name` in `dir` with the input and returns what it printed.
using Runner = std::string (*)(const TempDir& dir, const std::string& name, const std::string& program);

std::string RunPython(const TempDir& dir, const std::string& name, const std::string& program) {
  WriteBytes(dir.File(name + ".py"), program);
  return Output("python3 " + dir.File(name + ".py") + " < " + dir.File("input"));
}

std::string RunPascal(const TempDir& dir, const std::string& name, const std::string& program) {
  WriteBytes(dir.File(name + ".pas"), program);
  const std::string log = dir.File(name + ".log");
  const bool compiled =
      std::system(
          ("fpc -v0 -FE" + dir.Path().string() + " " + dir.File(name + ".pas") + " >" + log + " 2>&1").c_str()) == 0;
  EXPECT_TRUE(compiled) << ReadBytes(log) << program;
  if (!compiled) return "";
  return Output(dir.File(name) + " < " + dir.File("input"));
}

void ExpectSameOutput(const std::vector<Runnable>& programs, CodeLanguage language, Runner run) {
  for (const Runnable& r : programs) {
    TempDir dir;
    WriteBytes(dir.File("input"), r.input);
    const std::string written = RoundTripped(r.program, language);
    const std::string expected = run(dir, "original", r.program);
    EXPECT_FALSE(expected.empty()) << r.program;
    EXPECT_EQ(run(dir, "written", written), expected) << "written:\n" << written << "\nfrom:\n" << r.program;
  }
}

TEST(ChartProgramRun, PythonProgramsPrintTheSame) {
  if (!Installed("python3")) GTEST_SKIP() << "python3 is not installed";
  ExpectSameOutput(
      {{"n = int(input())\nf = 1\nwhile n > 1:\n    f = f * n\n    n = n - 1\nprint('факториал', f)\n", "10\n"},
       {"n = int(input())\nfor k in range(2, n + 1):\n    d = 2\n    prime = True\n    while d * d <= k:\n"
        "        if k % d == 0:\n            prime = False\n            break\n        d = d + 1\n"
        "    if not prime:\n        continue\n    print(k)\n",
        "40\n"},
       {"def gcd(a, b):\n    while b != 0:\n        t = b\n        b = a % b\n        a = t\n    return a\n\n"
        "def show(x):\n    if x > 9:\n        print('big', x)\n    elif x > 4:\n        print('middle', x)\n"
        "    else:\n        print('small', x)\n\nfor i in range(12, 0, -1):\n    show(gcd(36, i))\n",
        ""},
       {"s = 0\nfor i in range(10):\n    if i == 7:\n        break\n    if i % 2 == 0:\n        continue\n"
        "    s = s + i\nprint(s)\n",
        ""}},
      CodeLanguage::Python, RunPython);
}

TEST(ChartProgramRun, PascalProgramsPrintTheSame) {
  if (!Installed("fpc")) GTEST_SKIP() << "Free Pascal (fp-compiler) is not installed";
  ExpectSameOutput(
      {{"program Fact;\nvar n, f: integer;\nbegin\n  readln(n);\n  f := 1;\n  repeat\n    f := f * n;\n"
        "    n := n - 1\n  until n <= 1;\n  writeln('f = ', f)\nend.\n",
        "7\n"},
       {"program Primes;\nvar n, k, d: integer; prime: boolean;\nbegin\n  readln(n);\n  for k := 2 to n do\n"
        "  begin\n    prime := true;\n    d := 2;\n    while d * d <= k do\n    begin\n"
        "      if k mod d = 0 then\n      begin\n        prime := false;\n        break\n      end;\n"
        "      d := d + 1\n    end;\n    if prime then writeln(k)\n  end\nend.\n",
        "50\n"},
       {"program Routines;\nvar i: integer;\nfunction Gcd(a, b: integer): integer;\nvar t: integer;\nbegin\n"
        "  while b <> 0 do\n  begin\n    t := b;\n    b := a mod b;\n    a := t\n  end;\n  exit(a)\nend;\n"
        "procedure Show(x: integer);\nbegin\n  case x of\n    1: writeln('one');\n    2, 3: writeln('few')\n"
        "  else\n    writeln('many ', x)\n  end\nend;\nbegin\n  for i := 12 downto 1 do Show(Gcd(24, i))\nend.\n",
        ""}},
      CodeLanguage::Pascal, RunPascal);
}

}  // namespace
}  // namespace quobrix::test
