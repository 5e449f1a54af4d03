#include "marlovin/settings/options_store.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "common/fs_path.h"
#include "common/text_file.h"

namespace marlovin {
namespace {

using Folders = std::vector<std::string>;

// Explorer as the options object sees it: the open folders the test sets, and a record of
// every list of folders it was asked to open. It outlives the options object that uses it.
struct ExplorerState {
  Folders open;
  std::vector<Folders> opened;
};

struct FakeExplorer : ExplorerFolders {
  explicit FakeExplorer(ExplorerState& state) : state_(state) {}
  std::vector<std::string> RefreshedFolderList() override { return state_.open; }
  void OpenFolders(const Folders& folders) override { state_.opened.push_back(folders); }
  ExplorerState& state_;
};

constexpr char kMinimal[] = "FormAlignment=1\r\nHomeDropOperation=0\r\n";

class OptionsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("suite-options-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const char* name) const { return common::FromFsPath(dir_ / name); }
  std::string Options() const { return PathOf("options.ini"); }
  std::string Bytes(const char* name = "options.ini") const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(const std::string& bytes, const char* name = "options.ini") const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  // The options object on options.ini, with default.ini as its defaults file.
  std::unique_ptr<TMarlovinTextConfig> Open() {
    return std::make_unique<TMarlovinTextConfig>(Options(), PathOf("default.ini"),
                                                 std::make_unique<FakeExplorer>(explorer_));
  }

  std::filesystem::path dir_;
  ExplorerState explorer_;
};

TEST_F(OptionsStoreTest, FirstStartCopiesTheDefaultsFileWithCrLfAndLoadsIt) {
  Write("; shipped\nFormAlignment=2\nHomeDropOperation=1\rHomeDir=C:\\Home\nDefaultCompressionRatio=5", "default.ini");
  const auto config = Open();
  EXPECT_EQ(Bytes(), "; shipped\r\nFormAlignment=2\r\nHomeDropOperation=1\r\nHomeDir=C:\\Home\r\nDefaultCompressionRatio=5\r\n");
  EXPECT_EQ(config->FileName, Options());
  EXPECT_EQ(config->FormAlignment, 2);
  EXPECT_EQ(config->HomeDropOperation, 1);
  EXPECT_EQ(config->HomeDir, "C:\\Home");
  EXPECT_EQ(config->DefaultCompressionRatio, 5);
  // An existing options file is never replaced by the defaults.
  Write("FormAlignment=0\r\nHomeDropOperation=0\r\n");
  EXPECT_EQ(Open()->FormAlignment, 0);
}

TEST_F(OptionsStoreTest, FirstStartWithoutADefaultsFileFailsAndCreatesNothing) {
  EXPECT_THROW(Open(), common::FileError);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "options.ini"));
}

TEST_F(OptionsStoreTest, LoadsEachOptionOrItsDefault) {
  const struct {
    const char* name;
    std::string file;
    TMarlovinOptionsStruct expected;
  } cases[] = {
      {"only the two mandatory keys", kMinimal, {.HomeDropOperation = 0, .FormAlignment = 1}},
      {"every key, other letter case",
       "homedir= C:\\My Home \r\nformalignment=2\r\nHOMEDROPOPERATION=1\r\nLoadOnSysStartup=1\r\n"
       "DoSaveLastSession=0\r\nDefaultCompressionRatio=9\r\nDefaultPackingMethod=3\r\n",
       {" C:\\My Home ", 1, 2, true, false, 9, 3}},
      {"empty values take the defaults",
       std::string(kMinimal) + "LoadOnSysStartup=\r\nDefaultCompressionRatio=\r\nDefaultPackingMethod=\r\n",
       {.HomeDropOperation = 0, .FormAlignment = 1}},
      {"saving the last session without starting with the system",
       std::string(kMinimal) + "DoSaveLastSession=1\r\nLoadOnSysStartup=0\r\n",
       {.HomeDropOperation = 0, .FormAlignment = 1, .DoSaveLastSession = true}},
      {"any number but 0 is true", std::string(kMinimal) + "LoadOnSysStartup=-4\r\n",
       {.HomeDropOperation = 0, .FormAlignment = 1, .LoadOnSysStartup = true}},
      {"8-bit options keep the low 8 bits, signed", "FormAlignment=258\r\nHomeDropOperation=255\r\n",
       {.HomeDropOperation = -1, .FormAlignment = 2}},
      {"negative numbers", "FormAlignment=-129\r\nHomeDropOperation=+1\r\nDefaultPackingMethod=-2147483648\r\n",
       {.HomeDropOperation = 1, .FormAlignment = 127, .DefaultPackingMethod = -2147483647 - 1}},
  };
  for (const auto& c : cases) {
    Write(c.file);
    const auto config = Open();
    const TMarlovinOptionsStruct& loaded = *config;
    EXPECT_EQ(loaded.HomeDir, c.expected.HomeDir) << c.name;
    EXPECT_EQ(loaded.FormAlignment, c.expected.FormAlignment) << c.name;
    EXPECT_EQ(loaded.HomeDropOperation, c.expected.HomeDropOperation) << c.name;
    EXPECT_EQ(loaded.LoadOnSysStartup, c.expected.LoadOnSysStartup) << c.name;
    EXPECT_EQ(loaded.DoSaveLastSession, c.expected.DoSaveLastSession) << c.name;
    EXPECT_EQ(loaded.DefaultCompressionRatio, c.expected.DefaultCompressionRatio) << c.name;
    EXPECT_EQ(loaded.DefaultPackingMethod, c.expected.DefaultPackingMethod) << c.name;
  }
}

TEST_F(OptionsStoreTest, LoadingFailsOnAMissingMandatoryKeyOrAValueThatIsNoNumber) {
  const struct { const char* name; const char* file; const char* key; } cases[] = {
      {"FormAlignment missing", "HomeDropOperation=0\r\n", "FormAlignment"},
      {"HomeDropOperation missing", "FormAlignment=1\r\n", "HomeDropOperation"},
      {"FormAlignment empty", "FormAlignment=\r\nHomeDropOperation=0\r\n", "FormAlignment"},
      {"FormAlignment a letter", "FormAlignment=R\r\nHomeDropOperation=0\r\n", "FormAlignment"},
      {"a number with blanks", "FormAlignment= 1\r\nHomeDropOperation=0\r\n", "FormAlignment"},
      {"a number and more", "FormAlignment=1x\r\nHomeDropOperation=0\r\n", "FormAlignment"},
      {"beyond 32 bits", "FormAlignment=4294967298\r\nHomeDropOperation=0\r\n", "FormAlignment"},
      {"an optional key that is no number", "FormAlignment=1\r\nHomeDropOperation=0\r\nDefaultCompressionRatio=high\r\n",
       "DefaultCompressionRatio"},
  };
  for (const auto& c : cases) {
    Write(c.file);
    try {
      Open();
      ADD_FAILURE() << c.name << ": loading must fail";
    } catch (const OptionsError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(c.key), std::string::npos) << c.name << ": " << message;
      EXPECT_NE(message.find(Options()), std::string::npos) << c.name << ": " << message;
    }
  }
}

TEST_F(OptionsStoreTest, SavesTheOptionsInPlaceInTheirOrderAndAppendsNewOnes) {
  Write("; mine\r\nhomedir=C:\\Old\r\nFormAlignment=1\r\nHomeDropOperation=0\r\nSESSION_NAMES=Work\r\nWork=C:\\w\r\n");
  const auto config = Open();
  config->HomeDir = "C:\\New Home";
  config->FormAlignment = 2;
  config->HomeDropOperation = -1;
  config->LoadOnSysStartup = true;
  config->DefaultCompressionRatio = 9;
  config->DefaultPackingMethod = 3;
  config->SaveOptions(Options());
  EXPECT_EQ(Bytes(),
            "; mine\r\nHomeDir=C:\\New Home\r\nFormAlignment=2\r\nHomeDropOperation=-1\r\nSESSION_NAMES=Work\r\n"
            "Work=C:\\w\r\nLoadOnSysStartup=1\r\nDoSaveLastSession=0\r\nDefaultCompressionRatio=9\r\n"
            "DefaultPackingMethod=3\r\n");

  config->HomeDir.clear();  // an empty home folder removes its line
  config->SaveOptions(Options());
  EXPECT_EQ(Bytes().find("HomeDir"), std::string::npos) << Bytes();
  config->LoadOptions();
  EXPECT_EQ(config->HomeDir, "");
  EXPECT_EQ(config->HomeDropOperation, -1);

  // Saving elsewhere makes that file the object's file.
  config->SaveOptions(PathOf("other.ini"));
  EXPECT_EQ(config->FileName, PathOf("other.ini"));
  EXPECT_EQ(Bytes("other.ini"),
            "FormAlignment=2\r\nHomeDropOperation=-1\r\nLoadOnSysStartup=1\r\nDoSaveLastSession=0\r\n"
            "DefaultCompressionRatio=9\r\nDefaultPackingMethod=3\r\n");
}

TEST_F(OptionsStoreTest, AHomeFolderWithALineBreakIsRefusedAndTheFileKept) {
  Write(kMinimal);
  const auto config = Open();
  config->HomeDir = "C:\\x\r\nFormAlignment=0";
  EXPECT_THROW(config->SaveOptions(Options()), OptionsError);
  EXPECT_EQ(Bytes(), kMinimal);
}

TEST_F(OptionsStoreTest, SessionsAreStoredAsCommaTextAndListedSortedOnce) {
  Write(kMinimal);
  const auto config = Open();
  config->SaveSession("Work", {"C:\\My Documents", "D:\\Projects"});
  EXPECT_EQ(Bytes(), std::string(kMinimal) + "SESSION_NAMES=Work\r\nWork=\"C:\\My Documents\",D:\\Projects\r\n");
  EXPECT_EQ(config->LoadSession("work"), (Folders{"C:\\My Documents", "D:\\Projects"}));

  // The same name in other letter case replaces the line in place; the list keeps "Work".
  config->SaveSession("work", {"E:\\"});
  EXPECT_EQ(Bytes(), std::string(kMinimal) + "SESSION_NAMES=Work\r\nwork=E:\\\r\n");

  // Saved while no Explorer window is open: listed, but no line.
  config->SaveSession("empty one", {});
  config->SaveSession("Alpha", {"C:\\a"});
  EXPECT_EQ(Bytes(), std::string(kMinimal) + "SESSION_NAMES=Alpha,\"empty one\",Work\r\nwork=E:\\\r\nAlpha=C:\\a\r\n");
  EXPECT_EQ(config->LoadSession("empty one"), Folders{});
  EXPECT_EQ(TMarlovinTextConfig::GetSessionNames(Options()), (Folders{"Alpha", "empty one", "Work"}));
}

TEST_F(OptionsStoreTest, SessionNamesAreReadInStoredOrderAndNamesEqualButForCaseCountOnce) {
  EXPECT_EQ(TMarlovinTextConfig::GetSessionNames(Options()), Folders{}) << "no options file";
  Write(std::string(kMinimal) + "SESSION_NAMES=b,A,a,\"c d\"\r\n");
  EXPECT_EQ(TMarlovinTextConfig::GetSessionNames(Options()), (Folders{"b", "A", "a", "c d"}));
  // The next change stores the list sorted, each name once.
  Open()->SaveSession("B", {"C:\\b"});
  EXPECT_EQ(TMarlovinTextConfig::GetSessionNames(Options()), (Folders{"A", "b", "c d"}));
}

TEST_F(OptionsStoreTest, DeletingRemovesTheLineAndTheNameAndTheLastNameRemovesTheList) {
  Write(std::string(kMinimal) + "SESSION_NAMES=Home,Work\r\nWork=C:\\w\r\nHome=C:\\h\r\n");
  TMarlovinTextConfig::DeleteSession(Options(), "WORK");
  EXPECT_EQ(Bytes(), std::string(kMinimal) + "SESSION_NAMES=Home\r\nHome=C:\\h\r\n");
  TMarlovinTextConfig::DeleteSession(Options(), "Home");
  EXPECT_EQ(Bytes(), kMinimal);
  TMarlovinTextConfig::DeleteSession(PathOf("new.ini"), "x");  // a missing file reads as empty
  EXPECT_EQ(Bytes("new.ini"), "");
}

TEST_F(OptionsStoreTest, SessionNamesThatWouldCorruptTheFileAreRefused) {
  const std::string file = std::string(kMinimal) + "HomeDir=C:\\h\r\nSESSION_NAMES=Work\r\nWork=C:\\w\r\n";
  Write(file);
  const auto config = Open();
  for (const std::string& name : std::vector<std::string>{"", "a=b", "=", "HomeDir", "homedir", "FORMALIGNMENT", "DefaultPackingMethod",
                                 "session_names", "two\r\nlines", std::string("nul\0", 4)}) {
    EXPECT_THROW(config->SaveSession(name, {"C:\\x"}), SessionNameError) << name;
    EXPECT_EQ(config->LoadSession(name), Folders{}) << name;
  }
  EXPECT_EQ(Bytes(), file);
  EXPECT_THROW(config->SaveSession("Work", {"C:\\x\r\nHomeDir=C:\\evil"}), OptionsError);
  EXPECT_EQ(Bytes(), file);

  // A name of that kind listed by someone else is taken off the list; the option stays.
  Write(std::string(kMinimal) + "HomeDir=C:\\h\r\nSESSION_NAMES=homedir,Work\r\n");
  TMarlovinTextConfig::DeleteSession(Options(), "homedir");
  EXPECT_EQ(Bytes(), std::string(kMinimal) + "HomeDir=C:\\h\r\nSESSION_NAMES=Work\r\n");

  // Names that share nothing with a key are fine, odd characters included.
  config->SaveSession("LAST_SESSION", {"C:\\l"});
  config->SaveSession(" Home Dir, \"2\"", {"C:\\2"});
  EXPECT_EQ(config->LoadSession(" Home Dir, \"2\""), Folders{"C:\\2"});
  EXPECT_EQ(TMarlovinTextConfig::GetSessionNames(Options()), (Folders{" Home Dir, \"2\"", "LAST_SESSION", "Work"}));
}

TEST_F(OptionsStoreTest, TheLastSessionIsReopenedAtStartAndRecordedAtTheEnd) {
  Write(std::string(kMinimal) + "DoSaveLastSession=1\r\nSESSION_NAMES=LAST_SESSION\r\nLAST_SESSION=C:\\b,\"C:\\a b\"\r\n");
  auto config = Open();
  ASSERT_EQ(explorer_.opened.size(), 1u);
  EXPECT_EQ(explorer_.opened[0], (Folders{"C:\\b", "C:\\a b"})) << "stored order";

  explorer_.open = {"D:\\one", "D:\\two words", "D:\\one"};
  config.reset();
  EXPECT_EQ(Bytes(), std::string(kMinimal) +
                         "DoSaveLastSession=1\r\nSESSION_NAMES=LAST_SESSION\r\nLAST_SESSION=D:\\one,\"D:\\two words\",D:\\one\r\n");

  // With no Explorer window open the name stays and the line goes.
  explorer_.open.clear();
  Open().reset();
  EXPECT_EQ(Bytes(), std::string(kMinimal) + "DoSaveLastSession=1\r\nSESSION_NAMES=LAST_SESSION\r\n");
}

TEST_F(OptionsStoreTest, WithoutTheLastSessionOptionNothingIsReopenedOrRecorded) {
  const std::string file = std::string(kMinimal) + "SESSION_NAMES=LAST_SESSION\r\nLAST_SESSION=C:\\b\r\n";
  Write(file);
  explorer_.open = {"D:\\one"};
  Open().reset();
  EXPECT_TRUE(explorer_.opened.empty());
  EXPECT_EQ(Bytes(), file);
}

TEST_F(OptionsStoreTest, AFailureToRecordTheLastSessionEndsQuietly) {
  Write(std::string(kMinimal) + "DoSaveLastSession=1\r\n");
  auto config = Open();
  explorer_.open = {"D:\\one"};
  config->FileName = PathOf("missing folder/options.ini");
  EXPECT_NO_THROW(config.reset());
  EXPECT_EQ(Bytes(), std::string(kMinimal) + "DoSaveLastSession=1\r\n");
}

}  // namespace
}  // namespace marlovin
