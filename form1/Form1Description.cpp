#include "form1/Form1Description.h"

#include <array>
#include <string_view>

namespace form1 {
namespace {

using namespace std::literals;

// Faces that look like the described ones and that Windows or Linux distributions ship.
constexpr std::array kSongLookAlikes = {"SimSun"sv, "NSimSun"sv, "AR PL UMing CN"sv,
                                        "AR PL SungtiL GB"sv, "Noto Serif CJK SC"sv};
constexpr std::array kKaiLookAlikes = {
    "KaiTi_GB2312"sv,  "KaiTi"sv,           "楷体"sv,
    "AR PL UKai CN"sv, "AR PL KaitiM GB"sv, "Noto Sans CJK SC"sv};

constexpr int kCharsetGb2312 = 134;

constexpr platform::FormDescription kForm1{
    .caption = "Torvale - ip查看工具",
    .applicationTitle = "Torvaleip查看工具",
    .border = platform::BorderStyle::FixedSingle,
    .clientArea = {.width = 5010, .height = 3285},
    .startPosition = platform::StartPosition::CenterScreen,
    .minimizeBox = false,
    .maximizeBox = false,
    .text1 =
        {
            .bounds = {.left = 360, .top = 720, .width = 4335, .height = 615},
            .font = {.face = "宋体",
                     .lookAlikes = kSongLookAlikes,
                     .points = 26.25,
                     .weight = 700,
                     .charset = kCharsetGb2312},
            .text = "",
            .accessibleName = "主机名（获取后显示其IP地址）",
            .tabIndex = 1,
            .foreground = {.red = 255, .green = 0, .blue = 0},
            .alignment = platform::HorizontalAlignment::Center,
            .multiLine = true,
        },
    .command1 =
        {
            .bounds = {.left = 960, .top = 2160, .width = 3015, .height = 615},
            .font = {.face = "楷体_GB2312",
                     .lookAlikes = kKaiLookAlikes,
                     .points = 15,
                     .weight = 400,
                     .charset = kCharsetGb2312},
            .caption = "获取本机ip地址",
            .tabIndex = 0,
            .isDefault = false,
            .isCancel = false,
        },
};

} // namespace

const platform::FormDescription& Form1Description() {
    return kForm1;
}

} // namespace form1
