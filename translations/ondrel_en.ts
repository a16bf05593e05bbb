<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>Accessibility</name>
    <message>
        <source>稚内</source>
        <translation>Wakkanai</translation>
    </message>
    <message>
        <source>国分寺</source>
        <translation>Kokubunji</translation>
    </message>
    <message>
        <source>山川</source>
        <translation>Yamagawa</translation>
    </message>
    <message>
        <source>大宜味</source>
        <translation>Ogimi</translation>
    </message>
    <message>
        <source>稚内のイオノグラム</source>
        <translation>Wakkanai ionograms</translation>
    </message>
    <message>
        <source>国分寺のイオノグラム</source>
        <translation>Kokubunji ionograms</translation>
    </message>
    <message>
        <source>山川のイオノグラム</source>
        <translation>Yamagawa ionograms</translation>
    </message>
    <message>
        <source>大宜味のイオノグラム</source>
        <translation>Ogimi ionograms</translation>
    </message>
    <message>
        <source>全局のイオノグラム</source>
        <translation>All stations&apos; ionograms</translation>
    </message>
    <message>
        <source>稚内のイオノグラムを開く</source>
        <translation>Open Wakkanai ionograms</translation>
    </message>
    <message>
        <source>国分寺のイオノグラムを開く</source>
        <translation>Open Kokubunji ionograms</translation>
    </message>
    <message>
        <source>山川のイオノグラムを開く</source>
        <translation>Open Yamagawa ionograms</translation>
    </message>
    <message>
        <source>大宜味のイオノグラムを開く</source>
        <translation>Open Ogimi ionograms</translation>
    </message>
    <message>
        <source>全局のイオノグラムを開く</source>
        <translation>Open all stations&apos; ionograms</translation>
    </message>
    <message>
        <source>静穏</source>
        <translation>quiet</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>caution</translation>
    </message>
    <message>
        <source>警報</source>
        <translation>alert</translation>
    </message>
    <message>
        <source>データなし</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>station, quantity, &quot;データなし&quot;</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 MHz %4</source>
        <extracomment>station, quantity, value in MHz, alert level</extracomment>
        <translation>%1 %2 %3 MHz %4</translation>
    </message>
    <message>
        <source>全局 %1 %2</source>
        <extracomment>the summary row: quantity, the worst level of all stations</extracomment>
        <translation>All stations %1 %2</translation>
    </message>
    <message>
        <source>今すぐ再読み込み</source>
        <translation>Reload now</translation>
    </message>
    <message>
        <source>前のページ</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>次のページ</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>周期を設定</source>
        <translation>Set the period</translation>
    </message>
    <message>
        <source>取り消し</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>再読み込みの周期（秒）</source>
        <translation>Reload period (seconds)</translation>
    </message>
    <message>
        <source>再読み込み周期の設定を開く</source>
        <translation>Open the reload period editor</translation>
    </message>
    <message>
        <source>周期の設定中: 設定する（Set）</source>
        <translation>In the period editor: set (Set)</translation>
    </message>
    <message>
        <source>周期の設定中: 取り消す（Can）</source>
        <translation>In the period editor: cancel (Can)</translation>
    </message>
    <message>
        <source>履歴を開く</source>
        <translation>Open the history</translation>
    </message>
    <message>
        <source>元のサイズに戻す</source>
        <translation>Back to small size</translation>
    </message>
    <message>
        <source>ブラウザ表示中: 元のサイズに戻す</source>
        <translation>With the browser open: back to small size</translation>
    </message>
    <message>
        <source>簡単な説明を表示</source>
        <translation>Show the short help</translation>
    </message>
    <message>
        <source>選択中の項目をクリックしたのと同じ</source>
        <translation>Same as clicking the focused item</translation>
    </message>
    <message>
        <source>選択中の項目を右クリックしたのと同じ</source>
        <translation>Same as right-clicking the focused item</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>設定を開く</source>
        <translation>Open the settings</translation>
    </message>
    <message>
        <source>Es マップを開く</source>
        <translation>Open the Es map</translation>
    </message>
</context>
<context>
    <name>Adif</name>
    <message>
        <source>長さがファイルの終わりを越えています</source>
        <translation>a length runs past the end of the file</translation>
    </message>
    <message>
        <source>CALL がありません</source>
        <translation>no CALL</translation>
    </message>
    <message>
        <source>QSO_DATE が日付ではありません</source>
        <translation>QSO_DATE is not a date</translation>
    </message>
    <message>
        <source>TIME_ON が時刻ではありません</source>
        <translation>TIME_ON is not a time</translation>
    </message>
</context>
<context>
    <name>DataAge</name>
    <message>
        <source>データは %1 分前のものです</source>
        <translation>The data is %1 minutes old</translation>
    </message>
    <message>
        <source>データは %1 日前のものです</source>
        <translation>The data is %1 days old</translation>
    </message>
    <message>
        <source>データは %1 時間前のものです</source>
        <translation>The data is %1 hours old</translation>
    </message>
</context>
<context>
    <name>EsMapWindow</name>
    <message>
        <source>Es マップ</source>
        <translation>Es map</translation>
    </message>
    <message>
        <source>前の記録</source>
        <translation>Previous reading</translation>
    </message>
    <message>
        <source>前の記録 (←)</source>
        <translation>Previous reading (←)</translation>
    </message>
    <message>
        <source>次の記録</source>
        <translation>Next reading</translation>
    </message>
    <message>
        <source>次の記録 (→)</source>
        <translation>Next reading (→)</translation>
    </message>
    <message>
        <source>過去 24 時間の記録</source>
        <translation>Readings of the last 24 hours</translation>
    </message>
    <message>
        <source>自局ロケーター(&amp;L)</source>
        <translation>Your &amp;locator</translation>
    </message>
    <message>
        <source>自局ロケーター</source>
        <translation>Your locator</translation>
    </message>
    <message>
        <source>記録なし</source>
        <translation>No readings</translation>
    </message>
    <message>
        <source>%1 (最新)</source>
        <translation>%1 (latest)</translation>
    </message>
    <message>
        <source>%1 (%2 / %3)</source>
        <translation>%1 (%2 of %3)</translation>
    </message>
</context>
<context>
    <name>EsNotice</name>
    <message>
        <source>Es 警報</source>
        <translation>Es alert</translation>
    </message>
    <message>
        <source>Es 注意</source>
        <translation>Es caution</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the stations of one notice.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Es データが古くなっています</source>
        <translation>Es data is out of date</translation>
    </message>
    <message>
        <source>警報のあと %1 分を超えて警報ページを読めていません
最後のページ: %2</source>
        <translation>No alert page could be read for more than %1 minutes after an alert
Last page: %2</translation>
    </message>
</context>
<context>
    <name>FetchCycle</name>
    <message>
        <source>サイトが閉ざされています</source>
        <translation>The site is closed</translation>
    </message>
    <message>
        <source>Hostとの通信エラーです<byte value="xd"/>
30秒後に自動リトライします </source>
        <translation>Communication error with the host<byte value="xd"/>
Retrying automatically in 30 seconds </translation>
    </message>
</context>
<context>
    <name>FetchFailure</name>
    <message>
        <source>接続を拒否されました</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>ホスト %1 が見つかりません</source>
        <translation>host %1 not found</translation>
    </message>
    <message>
        <source>時間切れです（%1 秒応答なし）</source>
        <translation>timed out (no answer within %1 s)</translation>
    </message>
    <message>
        <source>HTTP status %1 が返りました</source>
        <translation>HTTP status %1</translation>
    </message>
    <message>
        <source>http または https のアドレスではありません</source>
        <translation>not an http or https address</translation>
    </message>
    <message>
        <source>ページが %1 バイトを超えています</source>
        <translation>the page is larger than %1 bytes</translation>
    </message>
    <message>
        <source>TLS のエラーです: %1</source>
        <translation>TLS error: %1</translation>
    </message>
    <message>
        <source>%1 を読めませんでした: %2。
ページのアドレスは設定の「ページのアドレス」(ESHost) で変えられます</source>
        <translation>%1 could not be read: %2.
The page address (ESHost) can be changed in the settings</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>電離層</source>
        <translation>Ionosphere</translation>
    </message>
    <message>
        <source>最前面表示する</source>
        <translation>Keep in front</translation>
    </message>
    <message>
        <source>ｱｸｾｽﾀｲﾏ</source>
        <translation>Reload timer</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>Can</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>元のサイズに戻す</source>
        <translation>Back to small size</translation>
    </message>
    <message>
        <source>Ref</source>
        <translation>Ref</translation>
    </message>
    <message>
        <source>全</source>
        <translation>Σ</translation>
    </message>
    <message>
        <source>ｸﾘｯｸすると稚内の詳細</source>
        <translation>Click for Wakkanai details</translation>
    </message>
    <message>
        <source>ｸﾘｯｸすると国分寺の詳細</source>
        <translation>Click for Kokubunji (Tokyo) details</translation>
    </message>
    <message>
        <source>ｸﾘｯｸすると鹿児島の詳細</source>
        <translation>Click for Yamagawa (Kagoshima) details</translation>
    </message>
    <message>
        <source>ｸﾘｯｸすると沖縄の詳細</source>
        <translation>Click for Ogimi (Okinawa) details</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right-click</translation>
    </message>
    <message>
        <source>Fmax Fmin Es</source>
        <translation>Fmax Fmin Es</translation>
    </message>
    <message>
        <source>%1m%2s 毎</source>
        <translation>every %1m%2s</translation>
    </message>
</context>
<context>
    <name>Heard</name>
    <message>
        <source>WSJT-X・JTDX のデコードを受けられません</source>
        <translation>Cannot hear WSJT-X and JTDX decodes</translation>
    </message>
    <message>
        <source>%1: Es 圏内で %2 局 (%3)、最遠 %4 km</source>
        <translation>%1: heard %2 in Es range (%3), farthest %4 km</translation>
    </message>
</context>
<context>
    <name>HeardOnMap</name>
    <message>
        <source>open: 測った Es で届くパス</source>
        <translation>open: the measured Es carries this path</translation>
    </message>
    <message>
        <source>closed: 測った Es では届かないはずのパス</source>
        <translation>closed: the measured Es would not carry this path</translation>
    </message>
    <message>
        <source>short: 500 km 未満 (判定しません)</source>
        <translation>short: under 500 km (not judged)</translation>
    </message>
    <message>
        <source>beyond: 1 ホップより遠い</source>
        <translation>beyond: longer than one hop</translation>
    </message>
    <message>
        <source>far: 中点から 600 km 以内に観測所なし</source>
        <translation>far: no ionosonde within 600 km of the midpoint</translation>
    </message>
    <message>
        <source>no-reading: 測定値なし</source>
        <translation>no-reading: no reading</translation>
    </message>
    <message>
        <source>(位置はおおよそ: %1)</source>
        <translation>(placed roughly, by %1)</translation>
    </message>
    <message>
        <source>バンド不明</source>
        <translation>band unknown</translation>
    </message>
    <message>
        <source>必要な Es %1</source>
        <translation>needs Es %1</translation>
    </message>
    <message>
        <source>%1 の Es %2 (中点から %3 km)</source>
        <translation>%1 Es %2 (%3 km from the midpoint)</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>交信: %1</source>
        <translation>Worked: %1</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>通常</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>警報</source>
        <translation>Alert</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>この期間の記録はありません</source>
        <translation>No records in this period</translation>
    </message>
    <message>
        <source>実線 Fmax  破線 Fmin</source>
        <translation>solid Fmax  dashed Fmin</translation>
    </message>
    <message>
        <source>破線: 最長の 1 ホップ (%1 km) で 28 MHz / 50 MHz が開く Es (薄い鏡のモデル)</source>
        <translation>Dashed: the Es at which 28 MHz / 50 MHz open on the longest single hop (%1 km; thin-mirror model)</translation>
    </message>
    <message>
        <source>%1 MHz %2–%3 JST: 交信 %4</source>
        <translation>%1 MHz %2–%3 JST: %4 QSOs</translation>
    </message>
    <message>
        <source>交信</source>
        <translation>QSOs</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>6 時間</source>
        <translation>6 hours</translation>
    </message>
    <message>
        <source>24 時間</source>
        <translation>24 hours</translation>
    </message>
    <message>
        <source>7 日</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>30 日</source>
        <translation>30 days</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>CSV保存</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>CSV保存…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>期間</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>%1 に書き込めませんでした</source>
        <translation>Could not write %1</translation>
    </message>
    <message>
        <source>Es マップ…</source>
        <translation>Es map…</translation>
    </message>
    <message>
        <source>モデル検証</source>
        <translation>Model check</translation>
    </message>
</context>
<context>
    <name>LazyWebView</name>
    <message>
        <source>管理者 (root) として実行しているため、イオノグラムの表示欄を開けません。

Ondrel は通常のユーザーで起動してください: root のシェルを終えて (exit)、自分のユーザーで scripts/run か ondrel を実行します。root が要るのは scripts/setup でのインストールだけです。</source>
        <translation>Ondrel is running as the administrator (root), so the ionogram pane cannot open.

Start Ondrel as a normal user: leave the root shell (exit) and run scripts/run or ondrel as your own user. Only the installation with scripts/setup needs root.</translation>
    </message>
</context>
<context>
    <name>Locator</name>
    <message>
        <source>「%1」はロケーターではありません。英字 A～R 2 つ、数字 2 つ、続けてよければ英字 A～X 2 つです（例 PM95、PM95vq）</source>
        <translation>“%1” is not a locator: two letters A–R, two digits, optionally two letters A–X (e.g. PM95, PM95vq)</translation>
    </message>
</context>
<context>
    <name>ModelCheckPanel</name>
    <message>
        <source>聞こえた</source>
        <translation>Heard</translation>
    </message>
    <message>
        <source>聞こえない</source>
        <translation>Not heard</translation>
    </message>
    <message>
        <source>開と予報</source>
        <translation>Said open</translation>
    </message>
    <message>
        <source>閉と予報</source>
        <translation>Said closed</translation>
    </message>
    <message>
        <source>Es 圏内の経路 %1 本のうち、マップが開と言ったもの %2 本 (%3)</source>
        <translation>Of %1 paths in Es range, the map called %2 open (%3)</translation>
    </message>
    <message>
        <source>Es 圏内の経路はありません</source>
        <translation>No paths in Es range</translation>
    </message>
    <message>
        <source>バンドに出ていた 15 分枠: %1 (うちデータなし %2)</source>
        <translation>Quarter hours on the band: %1 (%2 of them without a page)</translation>
    </message>
    <message>
        <source>Es マップ</source>
        <translation>Es map</translation>
    </message>
    <message>
        <source>持続 (前の枠が聞こえたら開)</source>
        <translation>Persistence (open when the quarter hour before was heard)</translation>
    </message>
    <message>
        <source>交信した 15 分枠ごとに、Es 圏内の局と交信できたかと、その時のマップが開と言ったかを数えます。この単純なモデルの当たり具合で、Es そのものを測るものではありません。</source>
        <translation>For each quarter hour with a contact, counts whether a station in Es range was worked and whether the map then said open. It measures this simple model, not the Es itself.</translation>
    </message>
    <message>
        <source>バンド</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>モデル検証</source>
        <translation>Model check</translation>
    </message>
    <message>
        <source>自局ロケーターがありません: Es マップで入れてください</source>
        <translation>No home locator: enter it in the Es map</translation>
    </message>
</context>
<context>
    <name>OpenArea</name>
    <message>
        <source>・</source>
        <comment>before the last station</comment>
        <translation> and </translation>
    </message>
    <message>
        <source>・</source>
        <comment>between stations</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>全方位</source>
        <translation>all directions</translation>
    </message>
    <message>
        <source>%1〜%2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 MHz: %2–%3 km、%4、%5 経由</source>
        <translation>%1 MHz: %2–%3 km, %4, via %5</translation>
    </message>
    <message>
        <source>北</source>
        <translation>N</translation>
    </message>
    <message>
        <source>北東</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>東</source>
        <translation>E</translation>
    </message>
    <message>
        <source>南東</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>南</source>
        <translation>S</translation>
    </message>
    <message>
        <source>南西</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>西</source>
        <translation>W</translation>
    </message>
    <message>
        <source>北西</source>
        <translation>NW</translation>
    </message>
</context>
<context>
    <name>Reach</name>
    <message>
        <source>%1 から届くパスはありません</source>
        <translation>No path from %1</translation>
    </message>
    <message>
        <source>%1 MHz が開きました</source>
        <extracomment>The bands a cloud like the one measured would now carry, e.g. &quot;50 MHz&quot;.</extracomment>
        <translation>%1 MHz open</translation>
    </message>
    <message>
        <source>・</source>
        <translation>/</translation>
    </message>
    <message>
        <source>不通</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>closed</translation>
    </message>
</context>
<context>
    <name>ReachMap</name>
    <message>
        <source>Es マップ</source>
        <translation>Es map</translation>
    </message>
    <message>
        <source>ページ時刻なし</source>
        <translation>no page time</translation>
    </message>
    <message>
        <source>各局の上空で測った Es と同じ雲が 1 ホップで運ぶ範囲</source>
        <translation>Where one hop off a cloud like the one measured over each station would carry</translation>
    </message>
    <message>
        <source>予報ではありません。多段ホップは描きません</source>
        <translation>Not a forecast. Multi-hop paths are not drawn</translation>
    </message>
    <message>
        <source>帯: 局の上空で反射するパスの端</source>
        <translation>Rings: ends of paths reflected over the station</translation>
    </message>
    <message>
        <source>内側の線: スキップ (最短のパス)</source>
        <translation>Inner line: the skip (shortest path)</translation>
    </message>
    <message>
        <source>外側の破線: 最長の 1 ホップ %1 km</source>
        <translation>Dashed outer line: the longest single hop, %1 km</translation>
    </message>
    <message>
        <source>自局 %1</source>
        <translation>Home %1</translation>
    </message>
    <message>
        <source>濃い塗り: 自局からのパスが開く範囲</source>
        <translation>Deeper shade: where a path from home is open</translation>
    </message>
    <message>
        <source>受信した局 (古いほど薄い)</source>
        <translation>Stations heard (older ones paler)</translation>
    </message>
    <message>
        <source>位置がおおよその局 (コールの地域から)</source>
        <translation>Placed roughly (by the call&apos;s area or prefix)</translation>
    </message>
    <message>
        <source>自局からの線と反射点 (中点)</source>
        <translation>Line from home and its reflection point (midpoint)</translation>
    </message>
    <message>
        <source>交信した局 (ログから)</source>
        <translation>Stations worked (from the log)</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source> (データ遅延と思われます QRX)</source>
        <translation> (data seems to be late QRX)</translation>
    </message>
    <message>
        <source>データがない為不明</source>
        <translation>Unknown: no data</translation>
    </message>
    <message>
        <source>データ遅延と思われます QRX</source>
        <translation>Data seems to be late QRX</translation>
    </message>
    <message>
        <source>Ｆ層臨界周波数[MHz]</source>
        <translation>F-layer critical frequency [MHz]</translation>
    </message>
    <message>
        <source>電離層最低反射周波数[MHz]</source>
        <translation>Lowest reflected frequency [MHz]</translation>
    </message>
    <message>
        <source>スポラディックＥ層臨界周波数[MHz]</source>
        <translation>Sporadic-E critical frequency [MHz]</translation>
    </message>
    <message>
        <source>このデータは「WDC for Ionosphere, Tokyo, National Institute of Information </source>
        <translation>This data is provided by &quot;WDC for Ionosphere, Tokyo, </translation>
    </message>
    <message>
        <source>and Communications Technology」から提供されたものです </source>
        <translation>National Institute of Information and Communications Technology&quot; </translation>
    </message>
    <message>
        <source>Fmax=Ｆ層臨界周波数</source>
        <translation>Fmax = F-layer critical frequency</translation>
    </message>
    <message>
        <source>Fmin=電離層最低反射周波数</source>
        <translation>Fmin = lowest reflected frequency</translation>
    </message>
    <message>
        <source>Es=スポラディックＥ層臨界周波数</source>
        <translation>Es = sporadic-E critical frequency</translation>
    </message>
    <message>
        <source>を表します</source>
        <translation>(all in MHz)</translation>
    </message>
    <message>
        <source>? は 最新の自動解析値が存在しない事を示します。</source>
        <translation>? means that there is no recent automatic analysis value.</translation>
    </message>
    <message>
        <source>起動オプション&#x3000;-T で前面表示となります</source>
        <translation>Start with the option -T to keep the window in front</translation>
    </message>
    <message>
        <source>右ｸﾘｯｸすると全体の詳細表示します</source>
        <translation>Right-click for the alert page of all stations</translation>
    </message>
    <message>
        <source>電離層</source>
        <translation>Ionosphere</translation>
    </message>
    <message>
        <source>QRX 読み込み中</source>
        <translation>QRX loading</translation>
    </message>
    <message>
        <source>%1現在</source>
        <translation>at %1</translation>
    </message>
    <message>
        <source>静</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>寂</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>注</source>
        <translation>C</translation>
    </message>
    <message>
        <source>注!</source>
        <translation>C!</translation>
    </message>
    <message>
        <source>Es!</source>
        <translation>Es!</translation>
    </message>
    <message>
        <source>Es！</source>
        <translation>Es!</translation>
    </message>
    <message>
        <source>静穏状態</source>
        <translation>Quiet</translation>
    </message>
    <message>
        <source>Es 注意</source>
        <translation>Es caution</translation>
    </message>
    <message>
        <source>応答なし-11</source>
        <translation>No response-11</translation>
    </message>
    <message>
        <source>Es 警報</source>
        <translation>Es alert</translation>
    </message>
    <message>
        <source>色: 空色 静穏、黄と点線 注意、朱色と実線 警報、灰色 データなし</source>
        <translation>Colours: sky blue quiet, yellow with a dotted line caution, vermillion with a solid line alert, grey no data</translation>
    </message>
    <message>
        <source>色: 緑 静穏、黄 注意、赤 警報、水色 データなし</source>
        <translation>Colours: green quiet, yellow caution, red alert, pale cyan no data</translation>
    </message>
    <message>
        <source>色と印の意味</source>
        <translation>Colours and marks</translation>
    </message>
    <message>
        <source>全の行の印: %1・%2 静穏、%3 注意、%4 Fmax・Fmin の警報、%5 Es の警報</source>
        <translation>Marks of the Σ row: %1 quiet (%2 for Es), %3 caution, %4 Fmax or Fmin alert, %5 Es alert</translation>
    </message>
    <message>
        <source>見出しが黄色: 前回の読み込みで警報ページを読めませんでした</source>
        <translation>Yellow header: the last reload brought no readable alert page</translation>
    </message>
    <message>
        <source>色が暗い: データが古くなっています</source>
        <translation>Dimmed colours: the data is old</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>再読み込みの周期</source>
        <translation>Reload period</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Es の通知</source>
        <translation>Es notifications</translation>
    </message>
    <message>
        <source>同じレベルを再び通知するまで</source>
        <translation>Before a level is notified again</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>履歴を残す日数</source>
        <translation>Days of history kept</translation>
    </message>
    <message>
        <source>日</source>
        <translation>days</translation>
    </message>
    <message>
        <source>配色</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>色覚に配慮した配色</source>
        <translation>Colour-blind-safe colours</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語 (Japanese)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>ページのアドレス</source>
        <translation>Page address</translation>
    </message>
    <message>
        <source>ログイン時に起動</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>ログイン時の起動を切り替えられませんでした: %1</source>
        <translation>Start at login could not be changed: %1</translation>
    </message>
    <message>
        <source>「%1」は使えません。%2 %3以上の整数を入れてください</source>
        <translation>“%1” is not taken: enter a whole number of at least %2 %3</translation>
    </message>
    <message>
        <source>「%1」は使えません。%2～%3 %4の整数を入れてください</source>
        <translation>“%1” is not taken: enter a whole number from %2 to %3 %4</translation>
    </message>
    <message>
        <source>オン</source>
        <translation>on</translation>
    </message>
    <message>
        <source>オフ</source>
        <translation>off</translation>
    </message>
    <message>
        <source>設定ファイルに書き込めませんでした</source>
        <translation>The settings file could not be written</translation>
    </message>
    <message>
        <source>「%1」は http または https のアドレスではありません</source>
        <translation>“%1” is not an http or https address</translation>
    </message>
    <message>
        <source>%1 %2以上、既定 %3</source>
        <translation>at least %1, default %3 %2</translation>
    </message>
    <message>
        <source>%1～%2 %3、既定 %4</source>
        <translation>%1 to %2 %3, default %4</translation>
    </message>
    <message>
        <source>既定 %1（空欄でも既定）</source>
        <translation>default %1 (also when empty)</translation>
    </message>
    <message>
        <source>既定 %1</source>
        <translation>default %1</translation>
    </message>
    <message>
        <source>再起動後に反映</source>
        <translation>after a restart</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>最前面に表示</source>
        <translation>Keep in front</translation>
    </message>
    <message>
        <source>この起動の間だけ。-T で起動すると最初からオン</source>
        <translation>until Ondrel ends; -T turns it on at start</translation>
    </message>
    <message>
        <source>自局ロケーター</source>
        <translation>Your locator</translation>
    </message>
    <message>
        <source>開いたら知らせるバンド (MHz)</source>
        <translation>Bands to tell of when they open (MHz)</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>4 文字か 6 文字、例 PM95vq</source>
        <translation>4 or 6 characters, e.g. PM95vq</translation>
    </message>
    <message>
        <source>「%1」は使えません</source>
        <translation>“%1” cannot be used here</translation>
    </message>
    <message>
        <source>28, 50, 144 から。空欄で知らせない</source>
        <translation>among 28, 50, 144; empty for none</translation>
    </message>
    <message>
        <source>デコードを受ける UDP (WSJT-X, JTDX)</source>
        <translation>UDP for decodes (WSJT-X, JTDX)</translation>
    </message>
    <message>
        <source>ADIF ログ</source>
        <translation>ADIF logs</translation>
    </message>
    <message>
        <source>; で区切る。空欄で WSJT-X・JTDX のログ</source>
        <translation>separated by ;; empty for the WSJT-X and JTDX logs</translation>
    </message>
    <message>
        <source>例 2237、224.0.0.1:2237。空欄で受けない</source>
        <translation>e.g. 2237, 224.0.0.1:2237; empty for off</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>ここを左クリックすると簡単な説明表示します、<byte value="xd"/>
ここを右クリックするとﾘﾛｰﾄﾞﾀｲﾏの変更が可能です</source>
        <translation>Left-click here for a short explanation,<byte value="xd"/>
right-click here to change the reload timer</translation>
    </message>
    <message>
        <source>このデータは「WDC for Ionosphere, Tokyo, National Institute of Information and Communications Technology」 から提供されているものです </source>
        <translation>This data is provided by &quot;WDC for Ionosphere, Tokyo, National Institute of Information and Communications Technology&quot; </translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>稚</source>
        <translation>W</translation>
    </message>
    <message>
        <source>稚内</source>
        <translation>Wakkanai</translation>
    </message>
    <message>
        <source>国</source>
        <translation>K</translation>
    </message>
    <message>
        <source>国分寺</source>
        <translation>Kokubunji</translation>
    </message>
    <message>
        <source>鹿</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>山川</source>
        <translation>Yamagawa</translation>
    </message>
    <message>
        <source>沖</source>
        <translation>O</translation>
    </message>
    <message>
        <source>大宜味</source>
        <translation>Ogimi</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>更新できません</source>
        <translation>Cannot update</translation>
    </message>
    <message>
        <source>読み込み中</source>
        <translation>Loading</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>ウィンドウを表示</source>
        <translation>Show window</translation>
    </message>
    <message>
        <source>今すぐ再読み込み (Ref)</source>
        <translation>Reload now (Ref)</translation>
    </message>
    <message>
        <source>履歴…</source>
        <translation>History…</translation>
    </message>
    <message>
        <source>最前面に表示</source>
        <translation>Keep in front</translation>
    </message>
    <message>
        <source>Es の通知</source>
        <translation>Es notifications</translation>
    </message>
    <message>
        <source>ログイン時に起動</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>色覚に配慮した配色</source>
        <translation>Colour-blind-safe colours</translation>
    </message>
    <message>
        <source>設定…</source>
        <translation>Settings…</translation>
    </message>
    <message>
        <source>Es マップ…</source>
        <translation>Es map…</translation>
    </message>
</context>
<context>
    <name>UdpListener</name>
    <message>
        <source>WSJT-X・JTDX の UDP は受けていません</source>
        <translation>Not listening to WSJT-X or JTDX</translation>
    </message>
    <message>
        <source>マルチキャスト %1:%2 を受けています</source>
        <translation>Listening to multicast %1:%2</translation>
    </message>
    <message>
        <source>UDP %1:%2 を受けています</source>
        <translation>Listening on UDP %1:%2</translation>
    </message>
    <message>
        <source>UDP ポート %2 は他のプログラムが共有せずに使っています。そのプログラムもマルチキャスト %1:%2 で受けるようにしてください</source>
        <translation>Another program holds UDP port %2 without sharing it. Set that program to listen to the multicast group %1:%2 too</translation>
    </message>
    <message>
        <source>UDP %1:%2 は他のプログラムが使っています。マルチキャスト (224.0.0.1:%2 など) で一緒に受けるか、そのプログラムの UDP 転送を使ってください</source>
        <translation>UDP %1:%2 is in use by another program. Listen beside it on a multicast group (such as 224.0.0.1:%2), or use that program&apos;s UDP forwarding</translation>
    </message>
    <message>
        <source>UDP %1:%2 を受けられません: %3</source>
        <translation>Cannot listen on UDP %1:%2: %3</translation>
    </message>
    <message>
        <source>マルチキャスト %1 に参加できるネットワークがありません</source>
        <translation>No network interface can join the multicast group %1</translation>
    </message>
</context>
</TS>
