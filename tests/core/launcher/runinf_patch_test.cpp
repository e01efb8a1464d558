#include <gtest/gtest.h>

#include "core/launcher/launcher_fields.h"
#include "core/launcher/runinf_patch.h"

namespace varnock {
namespace {

std::string Field(const std::string& text, size_t size) { return text + std::string(size - text.size(), '\0'); }

std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

// A stand-in for the launcher image: the four fields among other bytes, in an order
// unlike the real one, so nothing depends on where they sit.
std::string PristineImage() {
  std::string image(300, 'x');
  image += Utf16(RUNINF_DESCRIPTION_TEXT) + std::string(2, '\0');
  image += std::string(17, 'y');
  image += Field(RUNINF_NOT_FOUND_TEXT, RUNINF_NOT_FOUND_SIZE);
  image += Field(RUNINF_QUESTION_TEXT, RUNINF_QUESTION_SIZE);
  image += std::string(9, '\x01');
  image += Field(RUNINF_PATTERN_TEXT, RUNINF_PATTERN_SIZE);
  image += std::string(40, 'z');
  return image;
}

std::string Read(const std::string& image, size_t at, size_t size) { return image.substr(at, size); }

struct VariantCase {
  bool french, custom;
  const char* name;
  const char* question;
  const char* pattern;
  const char* notFound;
  const char* description;  // all 34 characters
};

const VariantCase kVariants[] = {
    {false, false, "", "Do you want to install: ", "*.inf", "Inf file not found.  ",
     "Will install any INF file.        "},
    {false, true, "SETUP.INF", "Do you want to install: ", "SETUP.INF", "Inf file not found.  ",
     "Will install :  SETUP.INF         "},
    {true, false, "", "Voulez-vous installer: ", "*.inf", "Pas de fichier INF!", "Installation de tout fichier INF. "},
    {true, true, "SETUP.INF", "Voulez-vous installer: ", "SETUP.INF", "Pas de fichier INF!",
     "Installation de SETUP.INF         "},
    {false, true, "ABCDEFGH.INF", "Do you want to install: ", "ABCDEFGH.INF", "Inf file not found.  ",
     "Will install :  ABCDEFGH.INF      "},
};

TEST(RunInfPatch, EachVariantChangesOnlyItsFields) {
  const std::string pristine = PristineImage();
  LauncherFields at;
  std::string error;
  ASSERT_TRUE(FindLauncherFields(pristine, &at, &error)) << error;
  for (const VariantCase& c : kVariants) {
    LauncherVariant v{c.french, c.custom, c.name, std::u16string(c.name, c.name + std::string(c.name).size())};
    std::string image = pristine;
    ASSERT_TRUE(PatchLauncher(image, v, &error)) << error;
    ASSERT_EQ(image.size(), pristine.size());
    EXPECT_EQ(Read(image, at.question, RUNINF_QUESTION_SIZE), Field(c.question, RUNINF_QUESTION_SIZE));
    EXPECT_EQ(Read(image, at.pattern, RUNINF_PATTERN_SIZE), Field(c.pattern, RUNINF_PATTERN_SIZE));
    EXPECT_EQ(Read(image, at.notFound, RUNINF_NOT_FOUND_SIZE), Field(c.notFound, RUNINF_NOT_FOUND_SIZE));
    EXPECT_EQ(Read(image, at.description, RUNINF_DESCRIPTION_CHARS * 2 + 2), Utf16(c.description) + '\0' + '\0');
    // Outside the fields every byte is the pristine one.
    std::string outside = image, pristineOutside = pristine;
    for (auto [offset, size] : {std::pair<size_t, size_t>{at.question, RUNINF_QUESTION_SIZE},
                                {at.pattern, RUNINF_PATTERN_SIZE},
                                {at.notFound, RUNINF_NOT_FOUND_SIZE},
                                {at.description, RUNINF_DESCRIPTION_CHARS * 2}}) {
      outside.replace(offset, size, size, '#');
      pristineOutside.replace(offset, size, size, '#');
    }
    EXPECT_EQ(outside, pristineOutside) << c.name;
  }
}

TEST(RunInfPatch, NonAsciiNameGoesToTheDescriptionAsGiven) {
  std::string image = PristineImage(), error;
  LauncherVariant v{false, true, "\xC9T\xC9.INF", u"\u00C9T\u00C9.INF"};
  ASSERT_TRUE(PatchLauncher(image, v, &error));
  EXPECT_EQ(LauncherDescription(v).substr(16, 3), u"\u00C9T\u00C9");
}

TEST(RunInfPatch, RefusesWhatDoesNotFitAndLeavesTheImage) {
  const std::string pristine = PristineImage();
  std::string image = pristine, error;
  LauncherVariant v{false, true, "LONGSETUP.INF", u"LONGSETUP.INF"};
  EXPECT_FALSE(PatchLauncher(image, v, &error));
  EXPECT_EQ(image, pristine);
  EXPECT_NE(error.find("pattern"), std::string::npos);
}

TEST(RunInfPatch, FieldsMustBeThereOnceAndWhole) {
  LauncherFields at;
  std::string error;
  const std::string pristine = PristineImage();
  EXPECT_FALSE(FindLauncherFields(pristine + Field(RUNINF_PATTERN_TEXT, RUNINF_PATTERN_SIZE), &at, &error));
  EXPECT_NE(error.find("twice: pattern"), std::string::npos);
  std::string small = pristine;
  small.replace(small.find(Field(RUNINF_QUESTION_TEXT, RUNINF_QUESTION_SIZE)) + RUNINF_QUESTION_SIZE - 1, 1, "q");
  EXPECT_FALSE(FindLauncherFields(small, &at, &error));
  EXPECT_NE(error.find("question"), std::string::npos);
  EXPECT_FALSE(FindLauncherFields(std::string(100, 'x'), &at, &error));
}

}  // namespace
}  // namespace varnock
