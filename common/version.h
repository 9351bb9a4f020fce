/* The program's version and the maker's page: the one place for both. The
   resource compiler reads this file too (the version block and the release
   script take the numbers from here), so it holds plain #defines only. */
#pragma once

#define WABO_VERSION_MAJOR 2
#define WABO_VERSION_MINOR 11
#define WABO_VERSION_TEXT "2.11"

/* What ﾊﾞｰｼﾞｮﾝ情報 shows. */
#define WABO_VERSION_LINE "行き先表示ボード  Wabo Version " WABO_VERSION_TEXT

/* Who makes the program and under which licence (LICENSE beside the sources,
   LICENSE.txt in the release): ﾊﾞｰｼﾞｮﾝ情報 and the version block. */
#define WABO_MAKER "the Wabo developers"
#define WABO_COPYRIGHT "Copyright (c) 2026 " WABO_MAKER
#define WABO_LICENCE_LINE "ライセンス : MIT (LICENSE.txt)"

/* The project's own page, opened by ｵﾝﾗｲﾝ情報. The project has no public
   page yet; this is the one place to put it when it has. */
#define WABO_WEB_PAGE "https://wabo.example.org/"
