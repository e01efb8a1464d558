#include "core/i18n/catalogue.h"

#include <gtest/gtest.h>

#include "core/i18n/message_table.h"

namespace varnock {
namespace {

TEST(Catalogue, BackslashRBecomesOneCarriageReturn) {
  EXPECT_EQ(ReplaceBackslashR("one\\rtwo"), "one\rtwo");
  EXPECT_EQ(ReplaceBackslashR("a\\\\rb"), "a\\\rb");  // two backslashes then r
  EXPECT_EQ(ReplaceBackslashR("a\\r\\rb"), "a\r\rb");
  EXPECT_EQ(ReplaceBackslashR("no escape \\n here\\"), "no escape \\n here\\");
  EXPECT_EQ(ReplaceBackslashR("\\r"), "\r");
}

TEST(Catalogue, FileTextWinsOverDefaultUnlessItIsTheSentinel) {
  EXPECT_EQ(ResolveMessage("FILE_NEW", "Nouveau fichier."), "Nouveau fichier.");
  EXPECT_EQ(ResolveMessage("FILE_NEW", ""), "");  // an empty entry is a text
  EXPECT_EQ(ResolveMessage("FILE_NEW", kLocSentinel), "New file.");
  EXPECT_EQ(ResolveMessage("FILE_4", kLocSentinel),
            "Ther're already four Varnock instances running !\rNo more instances allowed !");
}

TEST(Catalogue, UnknownKeysAndCaseMismatchesGiveTheErrorText) {
  EXPECT_EQ(ResolveMessage("NO_SUCH_KEY", kLocSentinel), " Error in localisation function! ");
  EXPECT_EQ(ResolveMessage("file_new", kLocSentinel), " Error in localisation function! ");
  EXPECT_EQ(BuiltInMessage("file_new"), nullptr);
}

TEST(Catalogue, EscapedSentinelIsStillTheSentinel) {
  // The escape is applied before the sentinel test, as the file read goes.
  EXPECT_EQ(ResolveMessage("IS_LINE", "Error_in_locfile"), "Line ");
}

TEST(Catalogue, TableHasEveryKeyOnceWithItsExactText) {
  const auto& table = MessageTable();
  EXPECT_EQ(table.size(), 83u);
  for (size_t i = 0; i < table.size(); ++i)
    for (size_t j = i + 1; j < table.size(); ++j) EXPECT_STRNE(table[i].key, table[j].key);
  EXPECT_STREQ(BuiltInMessage("IS_NOT_SAVED"), " (not saved)");
  EXPECT_STREQ(BuiltInMessage("ABOUT0"), " ");
  EXPECT_STREQ(BuiltInMessage("ABOUT11"), "");
  EXPECT_STREQ(BuiltInMessage("PRINT_ERROR"), "The document could not be printed:\rthe printer or its output failed.");
  EXPECT_STREQ(BuiltInMessage("MAJ_REGED1"), "Varnock is now set to open\rNFO && DIZ files !");
  EXPECT_STREQ(BuiltInMessage("WIZ_DESCRIP3"), "\"You will install ");
  EXPECT_STREQ(BuiltInMessage("WIZ_DESCRIP6"),
               ";info-> [Disk /Floppy N\xB0] = [Description] , [Disk name] , [Disk serial n\xB0]");
  EXPECT_EQ(BuiltInMessage("WIZ_CRE2")[0], ';');
}

}  // namespace
}  // namespace varnock
