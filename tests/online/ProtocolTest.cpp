// The service's texts: the query encoder and the records, read back from
// what the writers make and from replies cut short anywhere.
#include "online/Protocol.h"
#include "online/ServiceEndpoints.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(FormEncodeTest, EncodesEveryByteButTheSafeOnes) {
  const struct {
    QByteArray in;
    QByteArray out;
  } cases[] = {
      {"a b", "a+b"},
      {"R&D", "R%26D"},
      {"a/b|c", "a%2Fb%7Cc"},
      {"!$'()*-.@_09AZaz", "!$'()*-.@_09AZaz"},
      {"\"#%+,:;<=>?[\\]^`{}~", "%22%23%25%2B%2C%3A%3B%3C%3D%3E%3F%5B%5C%5D%5E%60%7B%7D%7E"},
      {"\x7F\x01\n", "%7F%01%0A"},
      {"caf\xC3\xA9", "caf%C3%A9"},  // UTF-8 bytes, each encoded
      {QByteArray("ab\0cd", 5), "ab"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FormEncode(c.in), c.out) << c.in.toStdString();
}

TEST(TakeFieldTest, TakesUpToTheSeparatorAndNeverPastTheEnd) {
  QString reply = QStringLiteral("one|||||two|||||three");
  EXPECT_EQ(TakeField(reply, kFieldEnd), QStringLiteral("one"));
  EXPECT_EQ(TakeField(reply, kFieldEnd), QStringLiteral("two"));
  EXPECT_EQ(TakeField(reply, kFieldEnd), std::nullopt);
  EXPECT_EQ(reply, QStringLiteral("three"));
  QString empty;
  EXPECT_EQ(TakeField(empty, kFieldEnd), std::nullopt);
  QString emptyField = QStringLiteral("|||||x");
  EXPECT_EQ(TakeField(emptyField, kFieldEnd), QString());
  EXPECT_EQ(emptyField, QStringLiteral("x"));
}

TAccount SampleAccount() {
  TAccount a;
  a.Password = QStringLiteral("p&ss word");
  a.FirstName = QStringLiteral("Ada");
  a.LastName = QStringLiteral("Lind");
  a.Email = QStringLiteral("ada@example.test");
  a.UnixName = QStringLiteral("ada");
  a.Domain = QStringLiteral("ada.example");
  a.FtpHost = QStringLiteral("ftp.ada.example");
  a.FtpUsername = QStringLiteral("ada");
  a.FtpPassword = QStringLiteral("secret");
  a.FtpPort = 2121;
  a.FtpPath = QStringLiteral("/www");
  a.HostingPackage = QStringLiteral("plus");
  return a;
}

TEST(AccountRecordTest, ReadsBackWhatItWritesAndStopsSafelyWhenCutShort) {
  const TAccount account = SampleAccount();
  const QString record = AccountRecord(account);
  EXPECT_TRUE(record.startsWith(QStringLiteral("p&ss word|||||Ada|||||")));
  QString reply = record + QStringLiteral("rest");
  TAccount read;
  ASSERT_TRUE(ReadAccountRecord(reply, read));
  EXPECT_EQ(read, account);
  EXPECT_EQ(reply, QStringLiteral("rest"));

  for (qsizetype cut = 0; cut < record.size(); ++cut) {
    QString truncated = record.left(cut);
    TAccount untouched;
    EXPECT_FALSE(ReadAccountRecord(truncated, untouched)) << cut;
    EXPECT_EQ(untouched, TAccount());
    EXPECT_EQ(truncated, record.left(cut));
  }
}

TEST(AccountRecordTest, TakesThePortOnlyWhenItIsAllDigits) {
  for (const char* port : {"", " ", "21a", "-5", " 21", "99999999999"}) {
    TAccount account = SampleAccount();
    account.FtpPort = 25;
    QString record = AccountRecord(account);
    record.replace(QStringLiteral("|||||25|||||"), QStringLiteral("|||||%1|||||").arg(QLatin1String(port)));
    ASSERT_TRUE(ReadAccountRecord(record, account)) << port;
    EXPECT_EQ(account.FtpPort, 25) << port;
  }
}

std::vector<TSitePage> SamplePages() {
  std::vector<TSitePage> pages(2);
  pages[0].FileName = QStringLiteral("index");
  pages[0].Label_ = QStringLiteral("Home");
  pages[0].WindowTitle = QStringLiteral("Welcome | Ada");
  pages[0].ShowInMenu = true;
  pages[0].IsHomePage = true;
  pages[1].FileName = QStringLiteral("about-us");
  pages[1].Label_ = QStringLiteral("About");
  pages[1].Text6 = QStringLiteral("six");
  pages[1].Changed = true;
  return pages;
}

TEST(PageListTest, ReadsBackWhatItWritesUpToTheLimit) {
  const std::vector<TSitePage> pages = SamplePages();
  QString list = PageList(pages);
  EXPECT_TRUE(list.endsWith(QStringLiteral("six/////false/////false/////true|||||")));
  bool more = true;
  EXPECT_EQ(ReadPageList(list, 1001, &more), pages);
  EXPECT_FALSE(more);
  EXPECT_TRUE(list.isEmpty());

  QString twice = PageList(pages);
  const std::vector<TSitePage> first = ReadPageList(twice, 1, &more);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0], pages[0]);
  EXPECT_TRUE(more);
}

TEST(PageListTest, ARecordCutShortEndsTheListWithoutReadingPastIt) {
  const QString list = PageList(SamplePages());
  const qsizetype secondStart = list.indexOf(QStringLiteral("about-us"));
  for (qsizetype cut = secondStart; cut < list.size(); ++cut) {
    QString truncated = list.left(cut);
    EXPECT_EQ(ReadPageList(truncated, 1001).size(), 1u) << cut;
  }
}

TEST(FtpRecordTest, ReadsTheFiveFieldsOrNothing) {
  const TAccount account = SampleAccount();
  QString record = FtpRecord(account);
  TAccount read;
  ASSERT_TRUE(ReadFtpRecord(record, read));
  EXPECT_EQ(read.FtpHost, account.FtpHost);
  EXPECT_EQ(read.FtpPassword, account.FtpPassword);
  EXPECT_EQ(read.FtpPort, 2121);
  EXPECT_EQ(read.FtpPath, account.FtpPath);
  QString cut = FtpRecord(account).chopped(1);
  TAccount untouched;
  EXPECT_FALSE(ReadFtpRecord(cut, untouched));
  EXPECT_EQ(untouched, TAccount());
}

}  // namespace
}  // namespace moxa

namespace moxa {
namespace {

const ServiceEndpoints kService{QStringLiteral("localhost:9000"), QStringLiteral("localhost:9000"),
                                QStringLiteral("127.0.0.1:2121"), {}};

TEST(EndpointUrlTest, EveryValueIsEncodedAndTheKeysKeepTheirOrder) {
  EXPECT_EQ(LoginUrl(kService, QStringLiteral("a+b@x.test"), QStringLiteral("p&ss #1 é")),
            "http://localhost:9000/wbx/login.php?email=a%2Bb@x.test&password=p%26ss+%231+%C3%A9");
  EXPECT_EQ(ChangeUnixUrl(kService, QStringLiteral("old"), QStringLiteral("new one")),
            "http://localhost:9000/wbx/changeunix.php?oldid=old&newid=new+one");
  EXPECT_EQ(UnixStatusUrl(kService, QStringLiteral("ada"), false),
            "http://localhost:9000/wbx/unixstatus.php?id=ada&status=disable");
}

TEST(EndpointUrlTest, AccountSaveCarriesTheSiteNameTwice) {
  TAccount account;
  account.UnixName = QStringLiteral("ada");
  account.FtpPort = 21;
  account.MoxaSiteStatus = true;
  const QByteArray url = UpdateAccountUrl(kService, account);
  EXPECT_TRUE(url.contains("&unixname=ada&moxasitestatus=enable&oldid=ada&domain=&")) << url.toStdString();
  EXPECT_TRUE(url.endsWith("&ftpport=21&ftppath=&hostingpackage=free")) << url.toStdString();
}

}  // namespace
}  // namespace moxa
