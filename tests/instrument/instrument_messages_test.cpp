#include "instrument/instrument_messages.h"

#include <gtest/gtest.h>

#include "instrument/connection.h"
#include "language_scope.h"

namespace corvana {
namespace {

using testing::LanguageScope;

struct CodeCase {
  ApiResult code;
  const char* english;
  const char* simplified;
  const char* traditional;
};

TEST(CodeText, EveryCodeInEveryLanguage) {
  const CodeCase cases[] = {
      {1, "Device not found.", "没有找到设备。", "沒有找到設備。"},
      {2, "Device already open.", "设备已打开。", "設備已打開。"},
      {3, "Open device failed.", "打开设备失败。", "打開設備失敗。"},
      {4, "Invalid device handle.", "无效的设备句柄。", "無效的設備句柄。"},
      {5, "Overtime.", "超时.", "超時."},
      {6, "Device is busy.", "设备忙。", "設備忙。"},
      {7, "Invalid request.", "无效的请求。", "無效的請求。"},
      {8, "Execute request failed.", "执行请求失败。", "執行請求失敗。"},
      {9, "Get result failed.", "获取结果失败。", "獲取結果失敗。"},
      {10, "Invalid parameter.", "无效的参数。", "無效的參數。"},
      // The driver's "wait failed" has no text of its own.
      {11, "Unknown error.", "未知错误。", "未知錯誤。"},
      {12, "Not all records arrived.", "记录未全部收到。", "記錄未全部收到。"},
      {13, "Device disconnected.", "设备已断开连接。", "設備已斷開連接。"},
      {0, "Unknown error.", "未知错误。", "未知錯誤。"},
      {-1, "Unknown error.", "未知错误。", "未知錯誤。"},
      {14, "Unknown error.", "未知错误。", "未知錯誤。"},
  };
  for (const CodeCase& c : cases) {
    SCOPED_TRACE(c.code);
    {
      LanguageScope l(English);
      EXPECT_EQ(codeText(c.code), c.english);
    }
    {
      LanguageScope l(ChineseSimplified);
      EXPECT_EQ(codeText(c.code), c.simplified);
    }
    {
      LanguageScope l(ChineseTraditional);
      EXPECT_EQ(codeText(c.code), c.traditional);
    }
  }
}

TEST(FailureMessage, OwnTextLineBreakAndCodeInParentheses) {
  EXPECT_EQ(failureMessage(Text::ExecuteFailed, API_TIMEOUT), "Execute failed!\n(Overtime.)");
  EXPECT_EQ(failureMessage(Text::CalibrateFailed, API_INVALID_DEVICE_HANDLE),
            "Calibrate failed!\n(Invalid device handle.)");
  LanguageScope l(ChineseSimplified);
  EXPECT_EQ(failureMessage(Text::ExecuteFailed, API_EXECUTE_REQUEST_FAILED),
            "执行失败！\n(执行请求失败。)");
}

TEST(ConnectFailureText, CodeInParenthesesOnTheSameLine) {
  EXPECT_EQ(connectFailureText(API_DEVICE_NOT_FOUND),
            "Connect instrument failed!(Device not found.)");
  LanguageScope l(ChineseTraditional);
  EXPECT_EQ(connectFailureText(API_DEVICE_ALREADY_OPEN), "連接儀器失敗！(設備已打開。)");
}

TEST(ConnectFailureText, APortTheUserMayNotOpenIsNamedWithTheFix) {
  const std::vector<std::string> denied = {"/dev/ttyUSB0"};
  const struct {
    std::uint8_t language;
    const char* sentence;
  } cases[] = {
      {English,
       "You may not open the serial port /dev/ttyUSB0. Add your user to the dialout group"},
      {ChineseSimplified, "没有打开串口 /dev/ttyUSB0 的权限。请把当前用户加入 dialout 组"},
      {ChineseTraditional, "沒有開啟序列埠 /dev/ttyUSB0 的權限。請將目前使用者加入 dialout 群組"},
  };
  for (const auto& c : cases) {
    LanguageScope l(c.language);
    const std::string text = connectFailureText(API_DEVICE_NOT_FOUND, denied);
    EXPECT_EQ(text.rfind(connectFailureText(API_DEVICE_NOT_FOUND) + "\n\n", 0), 0u) << text;
    EXPECT_NE(text.find(c.sentence), std::string::npos) << text;
    // The command itself, on a line of its own, in every language.
    EXPECT_NE(text.find("\nsudo usermod -aG dialout $USER"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace corvana
