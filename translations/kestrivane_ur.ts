<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>Alarm</name>
    <message>
        <source>Could not install timer for Alarm.
No alarm will be played.</source>
        <translation>الارم کے لیے ٹائمر نہیں لگایا جا سکا۔
کوئی الارم نہیں بجے گا۔</translation>
    </message>
    <message>
        <source>Could not install timer for Alarm.
No more alarms will be played.</source>
        <translation>الارم کے لیے ٹائمر نہیں لگایا جا سکا۔
مزید کوئی الارم نہیں بجے گا۔</translation>
    </message>
    <message>
        <source>%1 azan at %2</source>
        <translation>%1 کی اذان: %2</translation>
    </message>
    <message>
        <source>%1 iqama at %2</source>
        <translation>%1 کی اقامت: %2</translation>
    </message>
    <message>
        <source>%1 prayer at %2 Insha Allah.</source>
        <translation>%1 کی نماز ان شاء اللہ %2 پر۔</translation>
    </message>
    <message>
        <source>Go for %1 prayer NOW!</source>
        <translation>ابھی %1 کی نماز کے لیے چلیں!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>روکیں</translation>
    </message>
    <message>
        <source>&lt;processing...&gt;</source>
        <translation>&lt;حساب جاری ہے...&gt;</translation>
    </message>
</context>
<context>
    <name>CFindCityDlg</name>
    <message>
        <source>The city database cannot be read; install the package libgweather-4-common to find cities by name. (%1)</source>
        <translation>شہروں کا ڈیٹابیس پڑھا نہیں جا سکتا؛ شہروں کو نام سے تلاش کرنے کے لیے پیکیج libgweather-4-common انسٹال کریں۔ (%1)</translation>
    </message>
    <message>
        <source>No city has that name.</source>
        <translation>اس نام کا کوئی شہر نہیں۔</translation>
    </message>
    <message>
        <source>Matches: %1</source>
        <translation>ملنے والے شہر: %1</translation>
    </message>
</context>
<context>
    <name>CLocationEditDlg</name>
    <message>
        <source>%1: zone %2, no daylight saving. Check the altitude.</source>
        <translation>%1: ٹائم زون %2، ڈے لائٹ سیونگ ٹائم نہیں۔ بلندی جانچ لیں۔</translation>
    </message>
    <message>
        <source>%1: zone %2, daylight saving as Configure... shows. Check the altitude.</source>
        <translation>%1: ٹائم زون %2، ڈے لائٹ سیونگ ٹائم ویسا جیسا &quot;ترتیب دیں ...&quot; دکھاتا ہے۔ بلندی جانچ لیں۔</translation>
    </message>
    <message>
        <source>%1: zone %2, daylight saving on this year&apos;s dates, which change from year to year: check them next year. Check the altitude.</source>
        <translation>%1: ٹائم زون %2، ڈے لائٹ سیونگ ٹائم اس سال کی تاریخوں پر، جو ہر سال بدلتی ہیں: اگلے سال انہیں جانچ لیں۔ بلندی جانچ لیں۔</translation>
    </message>
    <message>
        <source>%1: zone %2; its clock changes cannot be said here, so daylight saving is off: set it yourself. Check the altitude.</source>
        <translation>%1: ٹائم زون %2؛ اس کی گھڑی کی تبدیلیاں یہاں بیان نہیں کی جا سکتیں، اس لیے ڈے لائٹ سیونگ ٹائم بند ہے: اسے خود مقرر کریں۔ بلندی جانچ لیں۔</translation>
    </message>
</context>
<context>
    <name>Date</name>
    <message>
        <source>Sunday</source>
        <translation>اتوار</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>پیر</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>منگل</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>بدھ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>جمعرات</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>جمعہ</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>ہفتہ</translation>
    </message>
    <message>
        <source>January</source>
        <translation>جنوری</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فروری</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارچ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>اپریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مئی</translation>
    </message>
    <message>
        <source>June</source>
        <translation>جون</translation>
    </message>
    <message>
        <source>July</source>
        <translation>جولائی</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اگست</translation>
    </message>
    <message>
        <source>September</source>
        <translation>ستمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نومبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسمبر</translation>
    </message>
    <message>
        <source>%1, %2 %3, %4</source>
        <translation>%1، %3 %2 %4</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>What&apos;s This? (Shift+F1)</source>
        <translation>یہ کیا ہے؟ (Shift+F1)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;چھوٹا کریں</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مدد</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خارج ہوں</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>آج:</translation>
    </message>
    <message>
        <source> Location </source>
        <translation> مقام </translation>
    </message>
    <message>
        <source>City</source>
        <translation>شہر</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ملک</translation>
    </message>
    <message>
        <source>Lat.</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Long.</source>
        <translation>طول</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>بلندی</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ٹائم زون</translation>
    </message>
    <message>
        <source> Prayer Times </source>
        <translation> اوقاتِ نماز </translation>
    </message>
    <message>
        <source>fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>shurooq</source>
        <translation>طلوع</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>`asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>maGHrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>`ishaa&apos;</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Next alarm :</source>
        <translation>اگلا الارم :</translation>
    </message>
    <message>
        <source>About Kestrivane</source>
        <translation>Kestrivane کے بارے میں</translation>
    </message>
    <message>
        <source>Kestrivane32</source>
        <translation>Kestrivane32</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;طریقہ:</translation>
    </message>
    <message>
        <source> Rules (angles in degrees below the horizon) </source>
        <translation> قواعد (افق سے نیچے زاویے، ڈگری میں) </translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>&amp;فجر کا زاویہ:</translation>
    </message>
    <message>
        <source>Maghri&amp;b angle:</source>
        <translation>&amp;مغرب کا زاویہ:</translation>
    </message>
    <message>
        <source>&apos;&amp;Isha angle:</source>
        <translation>&amp;عشاء کا زاویہ:</translation>
    </message>
    <message>
        <source>or Maghrib + mi&amp;nutes:</source>
        <translation>یا مغرب + م&amp;نٹ:</translation>
    </message>
    <message>
        <source>&amp;Rounding:</source>
        <translation>&amp;گول کرنا:</translation>
    </message>
    <message>
        <source>Truncate
Nearest
Up</source>
        <translation>نیچے کی طرف
قریب ترین
اوپر کی طرف</translation>
    </message>
    <message>
        <source>High la&amp;titudes:</source>
        <translation>&amp;بلند عرض بلد:</translation>
    </message>
    <message>
        <source>Seventh of the night
Middle of the night
Angle-based</source>
        <translation>رات کا ساتواں حصہ
رات کا نصف
زاویے کے مطابق</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> کمی بیشی (منٹ) </translation>
    </message>
    <message>
        <source>Fa&amp;jr:</source>
        <translation>ف&amp;جر:</translation>
    </message>
    <message>
        <source>&amp;Shurooq:</source>
        <translation>طلوعِ &amp;آفتاب:</translation>
    </message>
    <message>
        <source>&amp;Zuhr:</source>
        <translation>&amp;ظہر:</translation>
    </message>
    <message>
        <source>&apos;&amp;Asr:</source>
        <translation>ع&amp;صر:</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib:</source>
        <translation>مغ&amp;رب:</translation>
    </message>
    <message>
        <source>&apos;Is&amp;ha:</source>
        <translation>ع&amp;شاء:</translation>
    </message>
    <message>
        <source> Today </source>
        <translation> آج </translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>&apos;Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>&apos;Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>Calculation Method</source>
        <translation>طریقۂ حساب</translation>
    </message>
    <message>
        <source>First
Second
Third
Forth
Last</source>
        <translation>پہلا
دوسرا
تیسرا
چوتھا
آخری</translation>
    </message>
    <message>
        <source>Sunday
Monday
Tuesday
Wednesday
Thursday
Friday
Saturday</source>
        <translation>اتوار
پیر
منگل
بدھ
جمعرات
جمعہ
ہفتہ</translation>
    </message>
    <message>
        <source>January
February
March
April
May
June
July
August
September
October
November
December</source>
        <translation>جنوری
فروری
مارچ
اپریل
مئی
جون
جولائی
اگست
ستمبر
اکتوبر
نومبر
دسمبر</translation>
    </message>
    <message>
        <source> Time Format </source>
        <translation> وقت کی شکل </translation>
    </message>
    <message>
        <source>&amp;12 Hr.</source>
        <translation>&amp;12 گھنٹے</translation>
    </message>
    <message>
        <source>&amp;24 Hr.</source>
        <translation>&amp;24 گھنٹے</translation>
    </message>
    <message>
        <source> Fiqh (for Asr time calc) </source>
        <translation> فقہ (وقتِ عصر کے حساب کے لیے) </translation>
    </message>
    <message>
        <source>&amp;Shafe&apos;i (shadow = 1x length)</source>
        <translation>&amp;شافعی (سایہ = 1x لمبائی)</translation>
    </message>
    <message>
        <source>&amp;Hanafi (shadow = 2x length)</source>
        <translation>&amp;حنفی (سایہ = 2x لمبائی)</translation>
    </message>
    <message>
        <source>Twilight angle (degrees):</source>
        <translation>شفق کا زاویہ (ڈگری):</translation>
    </message>
    <message>
        <source>&amp;fajr:</source>
        <translation>&amp;فجر:</translation>
    </message>
    <message>
        <source>&amp;Isha`:</source>
        <translation>&amp;عشاء:</translation>
    </message>
    <message>
        <source>Calculation &amp;Method...</source>
        <translation>&amp;طریقۂ حساب...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مدد</translation>
    </message>
    <message>
        <source>Edit Location Data</source>
        <translation>مقام کے کوائف میں ترمیم</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>&amp;شہر:</translation>
    </message>
    <message>
        <source>Countr&amp;y:</source>
        <translation>&amp;ملک:</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>&amp;عرض بلد:</translation>
    </message>
    <message>
        <source>North
South</source>
        <translation>شمال
جنوب</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>&amp;طول بلد:</translation>
    </message>
    <message>
        <source>East
West</source>
        <translation>مشرق
مغرب</translation>
    </message>
    <message>
        <source>A&amp;ltitude (m):</source>
        <translation>&amp;بلندی (میٹر):</translation>
    </message>
    <message>
        <source>Time  
&amp;Zone:</source>
        <translation>ٹائم
&amp;زون:</translation>
    </message>
    <message>
        <source>Use &amp;Daylight Savings time</source>
        <translation>&amp;ڈے لائٹ سیونگ ٹائم استعمال کریں</translation>
    </message>
    <message>
        <source>Con&amp;figure ...</source>
        <translation>&amp;ترتیب دیں ...</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>ڈگری</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>منٹ</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>سمت</translation>
    </message>
    <message>
        <source>Starts on</source>
        <translation>آغاز</translation>
    </message>
    <message>
        <source>&amp;date:</source>
        <translation>&amp;تاریخ:</translation>
    </message>
    <message>
        <source>&amp;weekday:</source>
        <translation>&amp;ہفتے کا دن:</translation>
    </message>
    <message>
        <source>&amp;in:</source>
        <translation>&amp;ماہ:</translation>
    </message>
    <message>
        <source>Ends on</source>
        <translation>اختتام</translation>
    </message>
    <message>
        <source>da&amp;te:</source>
        <translation>تا&amp;ریخ:</translation>
    </message>
    <message>
        <source>weekda&amp;y:</source>
        <translation>ہفتے کا د&amp;ن:</translation>
    </message>
    <message>
        <source>i&amp;n:</source>
        <translation>م&amp;اہ:</translation>
    </message>
    <message>
        <source> Alarms </source>
        <translation> الارم </translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>نماز</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>وقت</translation>
    </message>
    <message>
        <source>Azan On/Off</source>
        <translation>اذان آن/آف</translation>
    </message>
    <message>
        <source>Azaan Time</source>
        <translation>اذان کا وقت</translation>
    </message>
    <message>
        <source>Iqamah delay (min)</source>
        <translation>اقامت میں وقفہ (منٹ)</translation>
    </message>
    <message>
        <source>&amp;fajr</source>
        <translation>&amp;فجر</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>&amp;ظہر</translation>
    </message>
    <message>
        <source>`&amp;asr</source>
        <translation>&amp;عصر</translation>
    </message>
    <message>
        <source>&amp;maGHrib</source>
        <translation>&amp;مغرب</translation>
    </message>
    <message>
        <source>`&amp;ishaa&apos;</source>
        <translation>ع&amp;شاء</translation>
    </message>
    <message>
        <source>&amp;Play Azan sound</source>
        <translation>اذان کی &amp;آواز چلائیں</translation>
    </message>
    <message>
        <source>&amp;Recipients ...</source>
        <translation>&amp;وصول کنندگان ...</translation>
    </message>
    <message>
        <source>&amp;User name :</source>
        <translation>&amp;صارف کا نام :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;شامل کریں</translation>
    </message>
    <message>
        <source>&amp;List of Recipients :</source>
        <translation>وصول کنندگان کی &amp;فہرست :</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;ہٹائیں</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>ترجیحات</translation>
    </message>
    <message>
        <source>Define Location</source>
        <translation>مقام مقرر کریں</translation>
    </message>
    <message>
        <source>Configure Daylight Savings</source>
        <translation>ڈے لائٹ سیونگ ٹائم کی ترتیب</translation>
    </message>
    <message>
        <source>Set Alarms</source>
        <translation>الارم مقرر کریں</translation>
    </message>
    <message>
        <source>Azan Recipients</source>
        <translation>اذان کے وصول کنندگان</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;پرنٹ کریں</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;سال:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;مہینہ:</translation>
    </message>
    <message>
        <source>Make Table</source>
        <translation>جدول بنائیں</translation>
    </message>
    <message>
        <source>Month Prayer Timetable</source>
        <translation>ماہانہ نظام الاوقاتِ نماز</translation>
    </message>
    <message>
        <source>Select Month ...</source>
        <translation>مہینہ منتخب کریں ...</translation>
    </message>
    <message>
        <source>No Azan.wav in the settings folder: alarms play a chime instead.</source>
        <translation>ترتیبات کے فولڈر میں Azan.wav نہیں ہے: الارم اس کی بجائے گھنٹی بجائیں گے۔</translation>
    </message>
    <message>
        <source>Azan.wav cannot be played: alarms play a chime instead.</source>
        <translation>Azan.wav چلائی نہیں جا سکتی: الارم اس کی بجائے گھنٹی بجائیں گے۔</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;نام:</translation>
    </message>
    <message>
        <source>Find a City</source>
        <translation>شہر تلاش کریں</translation>
    </message>
    <message>
        <source>F&amp;ind...</source>
        <translation>ت&amp;لاش...</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;کیلنڈر:</translation>
    </message>
    <message>
        <source>None
Umm al-Qura
Tabular (civil)</source>
        <translation>کوئی نہیں
ام القریٰ
جدولی (سول)</translation>
    </message>
    <message>
        <source>&amp;Adjustment for local moon sighting (days):</source>
        <translation>مقامی رؤیتِ ہلال کے لیے کمی &amp;بیشی (دن):</translation>
    </message>
    <message>
        <source>Hijri date &amp;column in the month timetable</source>
        <translation>ماہانہ نظام الاوقات میں &amp;ہجری تاریخ کا کالم</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Enter user / login names of those people to whom you wish to send Azan alarm mesages.

Note: Users must be logged-in in the same domain.</source>
        <translation>ان لوگوں کے صارف / لاگ اِن نام درج کریں جنہیں آپ اذان الارم کے پیغامات بھیجنا چاہتے ہیں۔

نوٹ: صارفین کا اسی ڈومین میں لاگ اِن ہونا ضروری ہے۔</translation>
    </message>
    <message>
        <source>Select the month for which you would like to generate the prayer time table.</source>
        <translation>وہ مہینہ منتخب کریں جس کے اوقاتِ نماز کا جدول آپ بنانا چاہتے ہیں۔</translation>
    </message>
</context>
<context>
    <name>Font</name>
    <message>
        <source>MS Sans Serif</source>
        <translation>Noto Naskh Arabic</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Kestrivane Help</source>
        <translation>Kestrivane کی مدد</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;فہرست</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;پیچھے</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;آگے</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>یہ کیا ہے؟</translation>
    </message>
    <message>
        <source>No Help topic is associated with this item.</source>
        <translation>اس چیز کے لیے مدد کا کوئی موضوع موجود نہیں۔</translation>
    </message>
    <message>
        <source>Kestrivane computes the times of the five daily prayers for one place and reminds you of them. The main window shows today&apos;s date, your location and the six times: Fajr (dawn), Shurooq (sunrise), Zuhr (noon), &apos;Asr (afternoon), Maghrib (sunset) and &apos;Isha (night), and the next alarm. Two seconds after the start it hides in the notification area; click its icon to bring it back.</source>
        <translation>Kestrivane ایک مقام کے لیے روزانہ کی پانچ نمازوں کے اوقات کا حساب لگاتا ہے اور آپ کو ان کی یاد دلاتا ہے۔ مرکزی ونڈو میں آج کی تاریخ، آپ کا مقام اور چھ اوقات دکھائے جاتے ہیں: فجر (صبحِ صادق)، طلوعِ آفتاب، ظہر (دوپہر)، عصر (سہ پہر)، مغرب (غروبِ آفتاب) اور عشاء (رات)، نیز اگلا الارم۔ شروع ہونے کے دو سیکنڈ بعد یہ نوٹیفکیشن ایریا میں چھپ جاتا ہے؛ اسے واپس لانے کے لیے اس کے آئیکن پر کلک کریں۔</translation>
    </message>
    <message>
        <source>Help on a single field: click it and press F1, or press Shift+F1 (or the small &quot;?&quot; button in a dialog) and then click the field. In the main window and in Azan Recipients a right-click on a field offers &quot;What&apos;s This?&quot;.</source>
        <translation>کسی ایک خانے کے بارے میں مدد: اس پر کلک کر کے F1 دبائیں، یا Shift+F1 دبائیں (یا ڈائیلاگ میں چھوٹا &quot;?&quot; بٹن) اور پھر اس خانے پر کلک کریں۔ مرکزی ونڈو اور &quot;اذان کے وصول کنندگان&quot; میں کسی خانے پر دایاں کلک &quot;یہ کیا ہے؟&quot; پیش کرتا ہے۔</translation>
    </message>
    <message>
        <source>The icon&apos;s menu in the notification area offers the Options commands too, so the settings can be changed without bringing the window back.</source>
        <translation>نوٹیفکیشن ایریا میں آئیکن کا مینو بھی اختیارات کی کمانڈز پیش کرتا ہے، تاکہ ونڈو واپس لائے بغیر ترتیبات بدلی جا سکیں۔</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>ترجیحات</translation>
    </message>
    <message>
        <source>Time Format: &quot;12 Hr.&quot; shows times like 5:30 A.M. and 1:30 P.M.; &quot;24 Hr.&quot; shows 05:30 and 13:30. The choice applies to the main window, the alarm messages and the Set Alarms lists.</source>
        <translation>وقت کی شکل: &quot;12 گھنٹے&quot; اوقات کو 5:30 A.M. اور 1:30 P.M. کی طرح دکھاتا ہے؛ &quot;24 گھنٹے&quot; انہیں 05:30 اور 13:30 کی طرح دکھاتا ہے۔ یہ انتخاب مرکزی ونڈو، الارم کے پیغامات اور &quot;الارم مقرر کریں&quot; کی فہرستوں پر لاگو ہوتا ہے۔</translation>
    </message>
    <message>
        <source>Fiqh (for Asr time calc): the school of law decides when &apos;Asr begins. Shafe&apos;i: when an object&apos;s shadow is as long as the object (plus its shadow at noon). Hanafi: when the shadow is twice as long. Hanafi gives the later &apos;Asr.</source>
        <translation>فقہ (وقتِ عصر کے حساب کے لیے): فقہی مسلک طے کرتا ہے کہ عصر کب شروع ہوتی ہے۔ شافعی: جب کسی چیز کا سایہ اس چیز کے برابر ہو جائے (دوپہر کے وقت کے سائے کے علاوہ)۔ حنفی: جب سایہ دو گنا ہو جائے۔ حنفی کے مطابق عصر بعد میں ہوتی ہے۔</translation>
    </message>
    <message>
        <source>Twilight angle: how far the sun is below the horizon, in whole degrees from 11 to 24, at Fajr (dawn) and at the end of &apos;Isha twilight. A larger angle gives an earlier Fajr and a later &apos;Isha. 18 degrees is a common choice for both; some places use 15. Ask your local mosque which angles it follows. The angles count for the Classic method; another method brings its own.</source>
        <translation>شفق کا زاویہ: فجر (صبحِ صادق) کے وقت اور عشاء کی شفق کے اختتام پر سورج افق سے کتنا نیچے ہوتا ہے، 11 سے 24 تک پوری ڈگریوں میں۔ بڑا زاویہ فجر کو پہلے اور عشاء کو بعد میں کر دیتا ہے۔ دونوں کے لیے 18 ڈگری عام انتخاب ہے؛ کچھ جگہوں پر 15 استعمال ہوتا ہے۔ اپنی مقامی مسجد سے پوچھیں کہ وہ کون سے زاویے اپناتی ہے۔ یہ زاویے کلاسیکی طریقے پر لاگو ہوتے ہیں؛ کوئی دوسرا طریقہ اپنے زاویے ساتھ لاتا ہے۔</translation>
    </message>
    <message>
        <source>&quot;Calculation Method...&quot; opens the choice of method ({0x2008f}); it is kept when you press OK here.</source>
        <translation>&quot;طریقۂ حساب...&quot; طریقے کا انتخاب کھولتا ہے ({0x2008f})؛ یہاں &quot;ٹھیک ہے&quot; دبانے پر یہ برقرار رہتا ہے۔</translation>
    </message>
    <message>
        <source>OK recomputes today&apos;s times with the new settings and saves them; Cancel keeps the old ones.</source>
        <translation>&quot;ٹھیک ہے&quot; نئی ترتیبات کے ساتھ آج کے اوقات کا دوبارہ حساب لگاتا ہے اور انہیں محفوظ کرتا ہے؛ &quot;منسوخ کریں&quot; پرانی ترتیبات برقرار رکھتا ہے۔</translation>
    </message>
    <message>
        <source>Define Location</source>
        <translation>مقام مقرر کریں</translation>
    </message>
    <message>
        <source>City and Country are only names for the display. Latitude is 0 to 90 degrees and 0 to 59 minutes, North or South; longitude is 0 to 180 degrees and 0 to 59 minutes, East or West. Altitude is in metres above sea level, 0 to 65535. Time Zone is your standard time&apos;s offset from Greenwich in hours, from -12 to 14, east positive, for example 5 for Pakistan, 5.5 for India or -5 for New York.</source>
        <translation>شہر اور ملک صرف دکھانے کے لیے نام ہیں۔ عرض بلد 0 سے 90 ڈگری اور 0 سے 59 منٹ ہے، شمال یا جنوب؛ طول بلد 0 سے 180 ڈگری اور 0 سے 59 منٹ ہے، مشرق یا مغرب۔ بلندی سطحِ سمندر سے میٹر میں ہے، 0 سے 65535 تک۔ ٹائم زون گرینچ سے آپ کے معیاری وقت کا فرق ہے، گھنٹوں میں، ‎-12 سے 14 تک، مشرق مثبت، مثلاً پاکستان کے لیے 5، بھارت کے لیے 5.5 یا نیو یارک کے لیے ‎-5۔</translation>
    </message>
    <message>
        <source>Tick &quot;Use Daylight Savings time&quot; if the clocks move forward in summer there, and press &quot;Configure ...&quot; to say when that starts and ends. Each can be a fixed date (day and month) or a weekday of a month, such as the last Sunday of March.</source>
        <translation>اگر وہاں گرمیوں میں گھڑیاں آگے کی جاتی ہیں تو &quot;ڈے لائٹ سیونگ ٹائم استعمال کریں&quot; پر نشان لگائیں، اور یہ بتانے کے لیے کہ یہ کب شروع اور کب ختم ہوتا ہے &quot;ترتیب دیں ...&quot; دبائیں۔ دونوں میں سے ہر ایک کوئی مقررہ تاریخ (دن اور مہینہ) یا مہینے میں ہفتے کا کوئی دن ہو سکتا ہے، جیسے مارچ کا آخری اتوار۔</translation>
    </message>
    <message>
        <source>Set Alarms</source>
        <translation>الارم مقرر کریں</translation>
    </message>
    <message>
        <source>Each prayer row shows today&apos;s time. Tick its box to switch the azan alarm on and choose the azan time from the list. The list begins with &quot;At ... time&quot; and &quot;... + 5&quot; to &quot;... + 60&quot;: such an alarm follows its prayer, ringing every day at that day&apos;s time plus the minutes chosen. Then come fixed times after the prayer time, every 15 minutes (every 5 minutes for Maghrib), ending at the next prayer. When the azan time comes, the window caption and the tray icon flash, the sound plays if &quot;Play Azan sound&quot; is ticked, and the message is shown and sent to the recipients.</source>
        <translation>نماز کی ہر قطار آج کا وقت دکھاتی ہے۔ اذان کا الارم آن کرنے کے لیے اس کے خانے پر نشان لگائیں اور فہرست سے اذان کا وقت چنیں۔ فہرست &quot;عین ... کے وقت&quot; اور &quot;... + 5&quot; سے &quot;... + 60&quot; تک سے شروع ہوتی ہے: ایسا الارم اپنی نماز کے ساتھ چلتا ہے اور ہر روز اس دن کے وقت میں چنے گئے منٹ جمع کر کے بجتا ہے۔ اس کے بعد نماز کے وقت کے بعد کے مقررہ اوقات آتے ہیں، ہر 15 منٹ بعد (مغرب کے لیے ہر 5 منٹ بعد)، اگلی نماز تک۔ جب اذان کا وقت آتا ہے تو ونڈو کا عنوان اور ٹرے آئیکن جھلملاتے ہیں، اگر &quot;اذان کی آواز چلائیں&quot; پر نشان لگا ہو تو آواز بجتی ہے، اور پیغام دکھایا جاتا ہے اور وصول کنندگان کو بھیجا جاتا ہے۔</translation>
    </message>
    <message>
        <source>The iqamah delay (5 to 59 minutes) is the time from the azan to the iqamah, when the prayer starts; a second alarm, &quot;Go for ... prayer NOW!&quot;, comes then. Click the window or the tray icon to stop a flashing alarm. When Azan.wav is missing or cannot be played, a line under the alarms says so and the alarm plays a chime instead.</source>
        <translation>اقامت میں وقفہ (5 سے 59 منٹ) اذان سے اقامت تک کا وقت ہے، جب نماز شروع ہوتی ہے؛ اس وقت دوسرا الارم &quot;ابھی ... کی نماز کے لیے چلیں!&quot; آتا ہے۔ جھلملاتے الارم کو روکنے کے لیے ونڈو یا ٹرے آئیکن پر کلک کریں۔ جب Azan.wav موجود نہ ہو یا چلائی نہ جا سکے تو الارموں کے نیچے ایک سطر یہ بتاتی ہے اور الارم اس کی بجائے گھنٹی بجاتا ہے۔</translation>
    </message>
    <message>
        <source>&quot;Recipients ...&quot; lists the login names to which every alarm message is also sent over the network.</source>
        <translation>&quot;وصول کنندگان ...&quot; ان لاگ اِن ناموں کی فہرست ہے جنہیں ہر الارم کا پیغام نیٹ ورک پر بھی بھیجا جاتا ہے۔</translation>
    </message>
    <message>
        <source>Calculation Method</source>
        <translation>طریقۂ حساب</translation>
    </message>
    <message>
        <source>Classic is the program&apos;s own arithmetic with the twilight angles of Preferences. The other methods are the published rules of an authority: the sun&apos;s angle below the horizon at Fajr and at &apos;Isha (or &apos;Isha a fixed time after Maghrib), the authority&apos;s own minute adjustments and how it rounds. Choose the one your mosque or your country&apos;s authority follows; Custom lets you set every rule yourself.</source>
        <translation>کلاسیکی، پروگرام کا اپنا حساب ہے جس میں &quot;ترجیحات&quot; کے شفق کے زاویے استعمال ہوتے ہیں۔ باقی طریقے کسی ادارے کے شائع کردہ قواعد ہیں: فجر اور عشاء کے وقت افق سے نیچے سورج کا زاویہ (یا عشاء مغرب کے ایک مقررہ وقت بعد)، ادارے کی اپنی منٹوں کی کمی بیشی، اور یہ کہ وہ اوقات کو کیسے گول کرتا ہے۔ وہ طریقہ چنیں جس پر آپ کی مسجد یا آپ کے ملک کا ادارہ عمل کرتا ہے؛ &quot;حسبِ ضرورت&quot; میں آپ ہر قاعدہ خود مقرر کر سکتے ہیں۔</translation>
    </message>
    <message>
        <source>High latitudes: where twilight does not end on summer nights, Fajr and &apos;Isha are taken from a share of the night: a seventh, the middle of the night, or a share by the angle.</source>
        <translation>بلند عرض بلد: جہاں گرمیوں کی راتوں میں شفق ختم نہیں ہوتی، وہاں فجر اور عشاء رات کے ایک حصے سے لیے جاتے ہیں: ساتواں حصہ، رات کا نصف، یا زاویے کے مطابق حصہ۔</translation>
    </message>
    <message>
        <source>Adjustments add or take up to 30 minutes from single prayers, on top of any method. &quot;Today&quot; shows today&apos;s six times as you choose. OK uses the method everywhere: the main window, the alarms and the month timetable.</source>
        <translation>کمی بیشی کسی بھی طریقے کے اوپر الگ الگ نمازوں کے وقت میں 30 منٹ تک کا اضافہ یا کمی کرتی ہے۔ &quot;آج&quot; آپ کے انتخاب کے مطابق آج کے چھ اوقات دکھاتا ہے۔ &quot;ٹھیک ہے&quot; اس طریقے کو ہر جگہ استعمال کرتا ہے: مرکزی ونڈو، الارم اور ماہانہ نظام الاوقات میں۔</translation>
    </message>
    <message>
        <source>Shafe&apos;i: &apos;Asr begins when an object&apos;s shadow is as long as the object itself (plus its shadow at noon).</source>
        <translation>شافعی: عصر اس وقت شروع ہوتی ہے جب کسی چیز کا سایہ خود اس چیز کے برابر ہو جائے (دوپہر کے وقت کے سائے کے علاوہ)۔</translation>
    </message>
    <message>
        <source>Hanafi: &apos;Asr begins when an object&apos;s shadow is twice as long as the object (plus its shadow at noon). This gives a later &apos;Asr than the Shafe&apos;i rule.</source>
        <translation>حنفی: عصر اس وقت شروع ہوتی ہے جب کسی چیز کا سایہ اس چیز سے دو گنا ہو جائے (دوپہر کے وقت کے سائے کے علاوہ)۔ اس سے عصر کا وقت شافعی قاعدے کی نسبت بعد میں آتا ہے۔</translation>
    </message>
    <message>
        <source>12-hour clock: times are shown like 5:30 A.M. and 1:30 P.M.</source>
        <translation>12 گھنٹے کی گھڑی: اوقات 5:30 A.M. اور 1:30 P.M. کی طرح دکھائے جاتے ہیں۔</translation>
    </message>
    <message>
        <source>24-hour clock: times are shown like 05:30 and 13:30.</source>
        <translation>24 گھنٹے کی گھڑی: اوقات 05:30 اور 13:30 کی طرح دکھائے جاتے ہیں۔</translation>
    </message>
    <message>
        <source>The sun&apos;s angle below the horizon at Fajr (dawn), 11 to 24 degrees. A larger angle gives an earlier Fajr. Example: 18.</source>
        <translation>فجر (صبحِ صادق) کے وقت افق سے نیچے سورج کا زاویہ، 11 سے 24 ڈگری۔ بڑا زاویہ فجر کو پہلے کر دیتا ہے۔ مثال: 18۔</translation>
    </message>
    <message>
        <source>The sun&apos;s angle below the horizon at which &apos;Isha begins, 11 to 24 degrees. A larger angle gives a later &apos;Isha. Example: 18.</source>
        <translation>افق سے نیچے سورج کا وہ زاویہ جس پر عشاء شروع ہوتی ہے، 11 سے 24 ڈگری۔ بڑا زاویہ عشاء کو بعد میں کر دیتا ہے۔ مثال: 18۔</translation>
    </message>
    <message>
        <source>Latitude degrees, 0 to 90. Choose North or South on the right. Example: Islamabad lies at 33 degrees 40 minutes North.</source>
        <translation>عرض بلد کی ڈگریاں، 0 سے 90۔ دائیں طرف شمال یا جنوب چنیں۔ مثال: اسلام آباد 33 ڈگری 40 منٹ شمال پر واقع ہے۔</translation>
    </message>
    <message>
        <source>Longitude degrees, 0 to 180. Choose East or West on the right. Example: Islamabad lies at 73 degrees 10 minutes East.</source>
        <translation>طول بلد کی ڈگریاں، 0 سے 180۔ دائیں طرف مشرق یا مغرب چنیں۔ مثال: اسلام آباد 73 ڈگری 10 منٹ مشرق پر واقع ہے۔</translation>
    </message>
    <message>
        <source>Your standard time&apos;s offset from Greenwich (UTC) in hours, -12 to 14, east positive, without daylight saving. Half hours are written with a decimal point. Examples: 5 for Pakistan, 5.5 for India, -5 for New York.</source>
        <translation>گرینچ (UTC) سے آپ کے معیاری وقت کا فرق، گھنٹوں میں، ‎-12 سے 14 تک، مشرق مثبت، ڈے لائٹ سیونگ کے بغیر۔ آدھے گھنٹے اعشاریہ کے ساتھ لکھے جاتے ہیں۔ مثالیں: پاکستان کے لیے 5، بھارت کے لیے 5.5، نیو یارک کے لیے ‎-5۔</translation>
    </message>
    <message>
        <source>Height above sea level in metres, 0 to 65535. A high place sees the sun rise a little earlier and set a little later. Example: 550.</source>
        <translation>سطحِ سمندر سے بلندی میٹر میں، 0 سے 65535۔ بلند جگہ سے سورج ذرا پہلے طلوع اور ذرا بعد میں غروب ہوتا نظر آتا ہے۔ مثال: 550۔</translation>
    </message>
    <message>
        <source>The name of the city, shown in the main window and the timetable. It does not change the times.</source>
        <translation>شہر کا نام، جو مرکزی ونڈو اور نظام الاوقات میں دکھایا جاتا ہے۔ اس سے اوقات نہیں بدلتے۔</translation>
    </message>
    <message>
        <source>The name of the country, shown in the main window and the timetable. It does not change the times.</source>
        <translation>ملک کا نام، جو مرکزی ونڈو اور نظام الاوقات میں دکھایا جاتا ہے۔ اس سے اوقات نہیں بدلتے۔</translation>
    </message>
    <message>
        <source>Tick this if the clocks at your location move forward in summer. The times are then shown one hour later between the start and the end set with &quot;Configure ...&quot;. Unticking keeps the start and end for later.</source>
        <translation>اگر آپ کے مقام پر گرمیوں میں گھڑیاں آگے کی جاتی ہیں تو اس پر نشان لگائیں۔ پھر &quot;ترتیب دیں ...&quot; سے مقرر کیے گئے آغاز اور اختتام کے درمیان اوقات ایک گھنٹہ بعد کے دکھائے جاتے ہیں۔ نشان ہٹانے سے آغاز اور اختتام بعد کے لیے محفوظ رہتے ہیں۔</translation>
    </message>
    <message>
        <source>Sets when daylight saving time starts and ends at your location. Available while &quot;Use Daylight Savings time&quot; is ticked.</source>
        <translation>مقرر کرتا ہے کہ آپ کے مقام پر ڈے لائٹ سیونگ ٹائم کب شروع اور کب ختم ہوتا ہے۔ یہ اسی وقت دستیاب ہے جب &quot;ڈے لائٹ سیونگ ٹائم استعمال کریں&quot; پر نشان لگا ہو۔</translation>
    </message>
    <message>
        <source>Latitude minutes, 0 to 59 (60 minutes make one degree). Example: 40 for 33 degrees 40 minutes.</source>
        <translation>عرض بلد کے منٹ، 0 سے 59 (60 منٹ کی ایک ڈگری ہوتی ہے)۔ مثال: 33 ڈگری 40 منٹ کے لیے 40۔</translation>
    </message>
    <message>
        <source>Longitude minutes, 0 to 59 (60 minutes make one degree). Example: 10 for 73 degrees 10 minutes.</source>
        <translation>طول بلد کے منٹ، 0 سے 59 (60 منٹ کی ایک ڈگری ہوتی ہے)۔ مثال: 73 ڈگری 10 منٹ کے لیے 10۔</translation>
    </message>
    <message>
        <source>North for places north of the equator, South for places south of it.</source>
        <translation>خطِ استوا کے شمال میں واقع جگہوں کے لیے شمال، اور اس کے جنوب میں واقع جگہوں کے لیے جنوب۔</translation>
    </message>
    <message>
        <source>East for places east of Greenwich, West for places west of it (the Americas).</source>
        <translation>گرینچ کے مشرق میں واقع جگہوں کے لیے مشرق، اور اس کے مغرب میں واقع جگہوں (امریکی براعظموں) کے لیے مغرب۔</translation>
    </message>
    <message>
        <source>The month in which daylight saving time ends.</source>
        <translation>وہ مہینہ جس میں ڈے لائٹ سیونگ ٹائم ختم ہوتا ہے۔</translation>
    </message>
    <message>
        <source>Daylight saving time starts on a fixed day of the month, given in the field on the right.</source>
        <translation>ڈے لائٹ سیونگ ٹائم مہینے کے ایک مقررہ دن شروع ہوتا ہے، جو دائیں طرف کے خانے میں درج ہے۔</translation>
    </message>
    <message>
        <source>Daylight saving time starts on a weekday of the month, such as the last Sunday of March.</source>
        <translation>ڈے لائٹ سیونگ ٹائم مہینے میں ہفتے کے کسی دن شروع ہوتا ہے، جیسے مارچ کا آخری اتوار۔</translation>
    </message>
    <message>
        <source>Daylight saving time ends on a fixed day of the month, given in the field on the right.</source>
        <translation>ڈے لائٹ سیونگ ٹائم مہینے کے ایک مقررہ دن ختم ہوتا ہے، جو دائیں طرف کے خانے میں درج ہے۔</translation>
    </message>
    <message>
        <source>The day of the month on which daylight saving time ends, 1 to 31. Example: 30.</source>
        <translation>مہینے کا وہ دن جس دن ڈے لائٹ سیونگ ٹائم ختم ہوتا ہے، 1 سے 31۔ مثال: 30۔</translation>
    </message>
    <message>
        <source>Daylight saving time ends on a weekday of the month, such as the last Sunday of October.</source>
        <translation>ڈے لائٹ سیونگ ٹائم مہینے میں ہفتے کے کسی دن ختم ہوتا ہے، جیسے اکتوبر کا آخری اتوار۔</translation>
    </message>
    <message>
        <source>Which of that weekday in the month ends daylight saving time: First, Second, Third, Forth or Last.</source>
        <translation>مہینے میں ہفتے کا وہ دن کون سی بار آنے پر ڈے لائٹ سیونگ ٹائم ختم ہوتا ہے: پہلا، دوسرا، تیسرا، چوتھا یا آخری۔</translation>
    </message>
    <message>
        <source>The weekday on which daylight saving time ends, Sunday to Saturday.</source>
        <translation>ہفتے کا وہ دن جس پر ڈے لائٹ سیونگ ٹائم ختم ہوتا ہے، اتوار سے ہفتہ تک۔</translation>
    </message>
    <message>
        <source>The month in which daylight saving time starts.</source>
        <translation>وہ مہینہ جس میں ڈے لائٹ سیونگ ٹائم شروع ہوتا ہے۔</translation>
    </message>
    <message>
        <source>The day of the month on which daylight saving time starts, 1 to 31. Example: 31.</source>
        <translation>مہینے کا وہ دن جس دن ڈے لائٹ سیونگ ٹائم شروع ہوتا ہے، 1 سے 31۔ مثال: 31۔</translation>
    </message>
    <message>
        <source>Which of that weekday in the month starts daylight saving time: First, Second, Third, Forth or Last.</source>
        <translation>مہینے میں ہفتے کا وہ دن کون سی بار آنے پر ڈے لائٹ سیونگ ٹائم شروع ہوتا ہے: پہلا، دوسرا، تیسرا، چوتھا یا آخری۔</translation>
    </message>
    <message>
        <source>The weekday on which daylight saving time starts, Sunday to Saturday.</source>
        <translation>ہفتے کا وہ دن جس پر ڈے لائٹ سیونگ ٹائم شروع ہوتا ہے، اتوار سے ہفتہ تک۔</translation>
    </message>
    <message>
        <source>Tick to switch on the Fajr azan alarm at the time chosen on the right.</source>
        <translation>دائیں طرف چنے گئے وقت پر فجر کی اذان کا الارم آن کرنے کے لیے نشان لگائیں۔</translation>
    </message>
    <message>
        <source>Tick to switch on the Zuhr azan alarm at the time chosen on the right.</source>
        <translation>دائیں طرف چنے گئے وقت پر ظہر کی اذان کا الارم آن کرنے کے لیے نشان لگائیں۔</translation>
    </message>
    <message>
        <source>Tick to switch on the &apos;Asr azan alarm at the time chosen on the right.</source>
        <translation>دائیں طرف چنے گئے وقت پر عصر کی اذان کا الارم آن کرنے کے لیے نشان لگائیں۔</translation>
    </message>
    <message>
        <source>Tick to switch on the Maghrib azan alarm at the time chosen on the right.</source>
        <translation>دائیں طرف چنے گئے وقت پر مغرب کی اذان کا الارم آن کرنے کے لیے نشان لگائیں۔</translation>
    </message>
    <message>
        <source>Tick to switch on the &apos;Isha azan alarm at the time chosen on the right.</source>
        <translation>دائیں طرف چنے گئے وقت پر عشاء کی اذان کا الارم آن کرنے کے لیے نشان لگائیں۔</translation>
    </message>
    <message>
        <source>The Fajr azan time: every 15 minutes from just after today&apos;s Fajr time until sunrise (Shurooq).</source>
        <translation>فجر کی اذان کا وقت: آج کے فجر کے وقت کے ذرا بعد سے طلوعِ آفتاب تک ہر 15 منٹ پر۔</translation>
    </message>
    <message>
        <source>The Zuhr azan time: every 15 minutes from just after today&apos;s Zuhr time until &apos;Asr, at most eight choices.</source>
        <translation>ظہر کی اذان کا وقت: آج کے ظہر کے وقت کے ذرا بعد سے عصر تک ہر 15 منٹ پر، زیادہ سے زیادہ آٹھ انتخاب۔</translation>
    </message>
    <message>
        <source>The &apos;Asr azan time: every 15 minutes from just after today&apos;s &apos;Asr time until Maghrib, at most eight choices.</source>
        <translation>عصر کی اذان کا وقت: آج کے عصر کے وقت کے ذرا بعد سے مغرب تک ہر 15 منٹ پر، زیادہ سے زیادہ آٹھ انتخاب۔</translation>
    </message>
    <message>
        <source>The Maghrib azan time: every 5 minutes from just after sunset until &apos;Isha, at most eight choices.</source>
        <translation>مغرب کی اذان کا وقت: غروبِ آفتاب کے ذرا بعد سے عشاء تک ہر 5 منٹ پر، زیادہ سے زیادہ آٹھ انتخاب۔</translation>
    </message>
    <message>
        <source>The &apos;Isha azan time: every 15 minutes from just after today&apos;s &apos;Isha time, eight choices, none past midnight.</source>
        <translation>عشاء کی اذان کا وقت: آج کے عشاء کے وقت کے ذرا بعد سے ہر 15 منٹ پر، آٹھ انتخاب، آدھی رات کے بعد کوئی نہیں۔</translation>
    </message>
    <message>
        <source>Minutes from the Fajr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 20.</source>
        <translation>فجر کی اذان سے اقامت تک کے منٹ، 5 سے 59۔ اس وقت ایک دوسرا الارم آپ کو یاد دلاتا ہے۔ مثال: 20۔</translation>
    </message>
    <message>
        <source>Minutes from the Zuhr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation>ظہر کی اذان سے اقامت تک کے منٹ، 5 سے 59۔ اس وقت ایک دوسرا الارم آپ کو یاد دلاتا ہے۔ مثال: 15۔</translation>
    </message>
    <message>
        <source>Minutes from the &apos;Asr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation>عصر کی اذان سے اقامت تک کے منٹ، 5 سے 59۔ اس وقت ایک دوسرا الارم آپ کو یاد دلاتا ہے۔ مثال: 15۔</translation>
    </message>
    <message>
        <source>Minutes from the Maghrib azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 5.</source>
        <translation>مغرب کی اذان سے اقامت تک کے منٹ، 5 سے 59۔ اس وقت ایک دوسرا الارم آپ کو یاد دلاتا ہے۔ مثال: 5۔</translation>
    </message>
    <message>
        <source>Minutes from the &apos;Isha azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation>عشاء کی اذان سے اقامت تک کے منٹ، 5 سے 59۔ اس وقت ایک دوسرا الارم آپ کو یاد دلاتا ہے۔ مثال: 15۔</translation>
    </message>
    <message>
        <source>The login names that also receive every alarm message over the network. Changes made there are kept even if you then press Cancel here.</source>
        <translation>وہ لاگ اِن نام جنہیں ہر الارم کا پیغام نیٹ ورک پر بھی ملتا ہے۔ وہاں کی گئی تبدیلیاں برقرار رہتی ہیں، چاہے آپ بعد میں یہاں &quot;منسوخ کریں&quot; دبا دیں۔</translation>
    </message>
    <message>
        <source>The latitude of your location, in degrees and minutes, N or S. Change it with Options, Location.</source>
        <translation>آپ کے مقام کا عرض بلد، ڈگری اور منٹ میں، N یا S۔ اسے اختیارات، مقام سے تبدیل کریں۔</translation>
    </message>
    <message>
        <source>The longitude of your location, in degrees and minutes, E or W. Change it with Options, Location.</source>
        <translation>آپ کے مقام کا طول بلد، ڈگری اور منٹ میں، E یا W۔ اسے اختیارات، مقام سے تبدیل کریں۔</translation>
    </message>
    <message>
        <source>The time zone of your location in hours from Greenwich, east positive. Change it with Options, Location.</source>
        <translation>آپ کے مقام کا ٹائم زون، گرینچ سے گھنٹوں میں، مشرق مثبت۔ اسے اختیارات، مقام سے تبدیل کریں۔</translation>
    </message>
    <message>
        <source>The altitude of your location in metres. Change it with Options, Location.</source>
        <translation>آپ کے مقام کی بلندی میٹر میں۔ اسے اختیارات، مقام سے تبدیل کریں۔</translation>
    </message>
    <message>
        <source>The people who receive the alarm messages, in alphabetical order. Select one or more (Ctrl or Shift and click) to remove them.</source>
        <translation>وہ لوگ جنہیں الارم کے پیغامات ملتے ہیں، حروفِ تہجی کی ترتیب میں۔ انہیں ہٹانے کے لیے ایک یا زیادہ نام منتخب کریں (Ctrl یا Shift دبا کر کلک کریں)۔</translation>
    </message>
    <message>
        <source>A user or login name to add, such as AHMED. Letters become capitals. The name must reach the colleague&apos;s machine on the network.</source>
        <translation>شامل کرنے کے لیے صارف یا لاگ اِن نام، جیسے AHMED۔ حروف بڑے (کیپیٹل) ہو جاتے ہیں۔ ضروری ہے کہ یہ نام نیٹ ورک پر ساتھی کی مشین تک پہنچ سکے۔</translation>
    </message>
    <message>
        <source>Adds the name typed above to the list. A name already in the list, in any letter case, is refused.</source>
        <translation>اوپر لکھا گیا نام فہرست میں شامل کرتا ہے۔ جو نام پہلے سے فہرست میں ہو، چاہے چھوٹے یا بڑے کسی بھی حروف میں، قبول نہیں کیا جاتا۔</translation>
    </message>
    <message>
        <source>Removes the selected names from the list.</source>
        <translation>منتخب نام فہرست سے ہٹاتا ہے۔</translation>
    </message>
    <message>
        <source>&quot;Find...&quot; looks the city up by name in the world city database (GNOME&apos;s world locations, from the package libgweather-4-common) and fills in everything but the altitude; the line under the box says what it set and what to check.</source>
        <translation>&quot;تلاش...&quot; دنیا کے شہروں کے ڈیٹابیس (GNOME کے عالمی مقامات، پیکیج libgweather-4-common سے) میں شہر کو نام سے تلاش کرتا ہے اور بلندی کے سوا سب کچھ بھر دیتا ہے؛ خانے کے نیچے کی سطر بتاتی ہے کہ اس نے کیا مقرر کیا اور کیا جانچنا ہے۔</translation>
    </message>
    <message>
        <source>Finds your city by name in the world city database (in any language it knows) and fills in the city, country, latitude, longitude, time zone and daylight saving from the city&apos;s time zone. The altitude stays as it is. A line under the box says what was set and what to check.</source>
        <translation>دنیا کے شہروں کے ڈیٹابیس میں (کسی بھی زبان میں جو وہ جانتا ہو) آپ کا شہر نام سے تلاش کرتا ہے اور شہر، ملک، عرض بلد، طول بلد، ٹائم زون، نیز شہر کے ٹائم زون سے ڈے لائٹ سیونگ ٹائم بھر دیتا ہے۔ بلندی جوں کی توں رہتی ہے۔ خانے کے نیچے ایک سطر بتاتی ہے کہ کیا مقرر کیا گیا اور کیا جانچنا ہے۔</translation>
    </message>
    <message>
        <source>Plays the file Azan.wav from the program&apos;s folder (~/.config/kestrivane with the launcher) when an azan alarm comes. Without that file, or when it cannot be played, the alarm plays a short chime instead.</source>
        <translation>اذان کا الارم آنے پر پروگرام کے فولڈر (لانچر کے ساتھ ~/.config/kestrivane) سے فائل Azan.wav چلاتا ہے۔ یہ فائل نہ ہو، یا چلائی نہ جا سکے، تو الارم اس کی بجائے ایک مختصر گھنٹی بجاتا ہے۔</translation>
    </message>
    <message>
        <source>Type part of the city&apos;s name, in English or another language the city database knows; capitals and accents do not matter. The list below shows the matching cities, best matches first.</source>
        <translation>شہر کے نام کا کچھ حصہ لکھیں، انگریزی میں یا کسی اور زبان میں جو شہروں کا ڈیٹابیس جانتا ہو؛ بڑے چھوٹے حروف اور اعراب سے فرق نہیں پڑتا۔ نیچے کی فہرست ملتے جلتے شہر دکھاتی ہے، سب سے قریبی مطابقت والے پہلے۔</translation>
    </message>
    <message>
        <source>The cities whose name holds what you typed, with their country. Double-click one, or select it and press OK, to fill in Define Location with it.</source>
        <translation>وہ شہر جن کے نام میں آپ کا لکھا ہوا حصہ موجود ہے، ان کے ملک کے ساتھ۔ &quot;مقام مقرر کریں&quot; کو اس سے بھرنے کے لیے کسی ایک پر ڈبل کلک کریں، یا اسے منتخب کر کے &quot;ٹھیک ہے&quot; دبائیں۔</translation>
    </message>
    <message>
        <source>Options menu: &quot;Preferences ...&quot; sets the clock and the way the times are computed ({0x20082}). &quot;Calculation Method...&quot; chooses the program&apos;s own arithmetic or the published rules of an authority ({0x2008f}). &quot;Location ...&quot; sets the place, its time zone and daylight saving time ({0x20086}). &quot;Alarms ...&quot; switches the azan alarms on and sets their times, the iqamah delay, the sound and the message recipients ({0x20089}). &quot;Hijri Date...&quot; shows the Hijri date beside today&apos;s date ({0x20090}). &quot;Month Timetable ...&quot; makes a printable table of one month.</source>
        <translation>اختیارات کا مینو: &quot;ترجیحات ...&quot; گھڑی اور اوقات کے حساب کا انداز مقرر کرتا ہے ({0x20082})۔ &quot;طریقۂ حساب...&quot; پروگرام کے اپنے حساب یا کسی ادارے کے شائع کردہ قواعد میں سے انتخاب کرتا ہے ({0x2008f})۔ &quot;مقام ...&quot; جگہ، اس کا ٹائم زون اور ڈے لائٹ سیونگ ٹائم مقرر کرتا ہے ({0x20086})۔ &quot;الارم ...&quot; اذان کے الارم آن کرتا ہے اور ان کے اوقات، اقامت میں وقفہ، آواز اور پیغام کے وصول کنندگان مقرر کرتا ہے ({0x20089})۔ &quot;ہجری تاریخ...&quot; آج کی تاریخ کے ساتھ ہجری تاریخ دکھاتا ہے ({0x20090})۔ &quot;ماہانہ نظام الاوقات ...&quot; ایک مہینے کا قابلِ پرنٹ جدول بناتا ہے۔</translation>
    </message>
    <message>
        <source>Your settings are kept in the file Prefs.dat in the program&apos;s working folder (the launcher uses ~/.config/kestrivane). It is written with the defaults (Islamabad) on the first start and saved after every change; copy it to keep your settings. A calculation method, alarms that follow their prayer and the Hijri date&apos;s settings are kept beside it in Kestrivane.ini. The alarm sound is the file Azan.wav in the same folder; it is not shipped, so put a wave file of your choice there under that name (PCM, 8 or 16 bits). Without it the alarm plays a short chime of its own.</source>
        <translation>آپ کی ترتیبات پروگرام کے ورکنگ فولڈر میں فائل Prefs.dat میں رکھی جاتی ہیں (لانچر ~/.config/kestrivane استعمال کرتا ہے)۔ پہلی بار شروع ہونے پر یہ طے شدہ ترتیبات (اسلام آباد) کے ساتھ لکھی جاتی ہے اور ہر تبدیلی کے بعد محفوظ کی جاتی ہے؛ اپنی ترتیبات سنبھالنے کے لیے اس کی نقل بنا لیں۔ طریقۂ حساب، وہ الارم جو اپنی نماز کے ساتھ چلتے ہیں اور ہجری تاریخ کی ترتیبات اسی کے ساتھ Kestrivane.ini میں رکھی جاتی ہیں۔ الارم کی آواز اسی فولڈر میں فائل Azan.wav ہے؛ یہ پروگرام کے ساتھ نہیں آتی، اس لیے اپنی پسند کی کوئی wave فائل اسی نام سے وہاں رکھ دیں (PCM، 8 یا 16 بٹ)۔ اس کے بغیر الارم اپنی ایک مختصر گھنٹی بجاتا ہے۔</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>ہجری تاریخ</translation>
    </message>
    <message>
        <source>Calendar: None shows no Hijri date. Umm al-Qura is the calendar of Saudi Arabia, computed in advance from the moon&apos;s conjunction and the time of moonset at Makkah. Tabular (civil) is the arithmetic calendar: months of 30 and 29 days in turn, with 11 leap years in every 30.</source>
        <translation>کیلنڈر: &quot;کوئی نہیں&quot; کوئی ہجری تاریخ نہیں دکھاتا۔ &quot;ام القریٰ&quot; سعودی عرب کا کیلنڈر ہے، جس کا حساب چاند کے اقتران اور مکہ مکرمہ میں غروبِ قمر کے وقت سے پہلے ہی لگا لیا جاتا ہے۔ &quot;جدولی (سول)&quot; حسابی کیلنڈر ہے: باری باری 30 اور 29 دن کے مہینے، اور ہر 30 سال میں 11 کبیسہ سال۔</translation>
    </message>
    <message>
        <source>Adjustment: where the month begins with the crescent seen locally, the date may be a day or two away from the calendar&apos;s. Move it by -2 to +2 days to match your mosque&apos;s announcement.</source>
        <translation>کمی بیشی: جہاں مہینہ مقامی طور پر چاند دیکھ کر شروع ہوتا ہے، وہاں تاریخ کیلنڈر کی تاریخ سے ایک یا دو دن مختلف ہو سکتی ہے۔ اپنی مسجد کے اعلان سے ملانے کے لیے اسے -2 سے +2 دن تک آگے پیچھے کریں۔</translation>
    </message>
    <message>
        <source>With &quot;Hijri date column in the month timetable&quot; ticked, Options &gt; Month Timetable shows each day&apos;s Hijri date after its times. The main window&apos;s date line gives the Hijri date after the Gregorian date, and &quot;Today&quot; here shows what it will be.</source>
        <translation>&quot;ماہانہ نظام الاوقات میں ہجری تاریخ کا کالم&quot; پر نشان لگا ہو تو اختیارات &gt; ماہانہ نظام الاوقات ہر دن کے اوقات کے بعد اس کی ہجری تاریخ دکھاتا ہے۔ مرکزی ونڈو کی تاریخ والی سطر عیسوی تاریخ کے بعد ہجری تاریخ دیتی ہے، اور یہاں &quot;آج&quot; دکھاتا ہے کہ وہ کیا ہوگی۔</translation>
    </message>
    <message>
        <source>OK saves the choice; Cancel keeps the old one.</source>
        <translation>&quot;ٹھیک ہے&quot; انتخاب محفوظ کرتا ہے؛ &quot;منسوخ کریں&quot; پرانا انتخاب برقرار رکھتا ہے۔</translation>
    </message>
    <message>
        <source>The calendar of the Hijri date: None, Umm al-Qura (Saudi Arabia&apos;s), or the tabular (civil) arithmetic calendar.</source>
        <translation>ہجری تاریخ کا کیلنڈر: کوئی نہیں، ام القریٰ (سعودی عرب کا)، یا جدولی (سول) حسابی کیلنڈر۔</translation>
    </message>
    <message>
        <source>Moves the Hijri date by up to two days either way, to follow a local sighting of the new moon.</source>
        <translation>نئے چاند کی مقامی رؤیت کے مطابق ہجری تاریخ کو دو دن تک آگے یا پیچھے کرتا ہے۔</translation>
    </message>
    <message>
        <source>Adds a column with each day&apos;s Hijri date to the month timetable and its printed page.</source>
        <translation>ماہانہ نظام الاوقات اور اس کے چھپے ہوئے صفحے میں ہر دن کی ہجری تاریخ کا ایک کالم شامل کرتا ہے۔</translation>
    </message>
    <message>
        <source>Today&apos;s Hijri date by the calendar and adjustment chosen above.</source>
        <translation>اوپر منتخب کیے گئے کیلنڈر اور کمی بیشی کے مطابق آج کی ہجری تاریخ۔</translation>
    </message>
</context>
<context>
    <name>Hijri</name>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rabi&apos; al-Awwal</source>
        <translation>ربیع الاول</translation>
    </message>
    <message>
        <source>Rabi&apos; al-Thani</source>
        <translation>ربیع الثانی</translation>
    </message>
    <message>
        <source>Jumada al-Ula</source>
        <translation>جمادی الاول</translation>
    </message>
    <message>
        <source>Jumada al-Akhirah</source>
        <translation>جمادی الثانی</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha&apos;ban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Dhu al-Qi&apos;dah</source>
        <translation>ذوالقعدہ</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>ذوالحجہ</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;بحال کریں</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>لاگ اِن پر &amp;شروع کریں</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;خارج ہوں</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;چھوٹا کریں</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;تعارف</translation>
    </message>
    <message>
        <source>&amp;Preferences ...</source>
        <translation>&amp;ترجیحات ...</translation>
    </message>
    <message>
        <source>&amp;Calculation Method...</source>
        <translation>&amp;طریقۂ حساب...</translation>
    </message>
    <message>
        <source>&amp;Location ...</source>
        <translation>&amp;مقام ...</translation>
    </message>
    <message>
        <source>&amp;Alarms ...</source>
        <translation>&amp;الارم ...</translation>
    </message>
    <message>
        <source>&amp;Month Timetable ...</source>
        <translation>ماہانہ &amp;نظام الاوقات ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;فائل</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;اختیارات</translation>
    </message>
    <message>
        <source>&amp;Hijri Date...</source>
        <translation>&amp;ہجری تاریخ...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Created default locations file</source>
        <translation>مقامات کی طے شدہ فائل بنا دی گئی</translation>
    </message>
    <message>
        <source>WARNING: Alarms will no longer play after exiting.

Do you really wish to quit?</source>
        <translation>انتباہ: خارج ہونے کے بعد الارم نہیں بجیں گے۔

کیا آپ واقعی خارج ہونا چاہتے ہیں؟</translation>
    </message>
    <message>
        <source>This recipient is already in the list.</source>
        <translation>یہ وصول کنندہ پہلے سے فہرست میں موجود ہے۔</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>براہِ کرم پورا عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>براہِ کرم عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Cannot print.

Printer device context not avaiable.</source>
        <translation>پرنٹ نہیں ہو سکا۔

پرنٹر دستیاب نہیں ہے۔</translation>
    </message>
    <message>
        <source>Could not change the start at login:
%1: %2</source>
        <translation>لاگ اِن پر شروع ہونے کی ترتیب تبدیل نہیں ہو سکی:
%1: %2</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>براہِ کرم %1 اور %2 کے درمیان پورا عدد درج کریں۔</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>براہِ کرم %1 اور %2 کے درمیان عدد درج کریں۔</translation>
    </message>
</context>
<context>
    <name>Method</name>
    <message>
        <source>Classic</source>
        <translation>کلاسیکی</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطۂ عالمِ اسلامی</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>مصری جنرل اتھارٹی آف سروے</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>جامعۃ العلوم الاسلامیہ، کراچی</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>اسلامک سوسائٹی آف نارتھ امریکا</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>ام القریٰ، مکہ مکرمہ</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبئی</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>قطر</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>کویت</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنگاپور</translation>
    </message>
    <message>
        <source>Turkey (Diyanet)</source>
        <translation>ترکی (دیانت)</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>مراکش</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>انسٹی ٹیوٹ آف جیو فزکس، تہران</translation>
    </message>
    <message>
        <source>Moonsighting Committee</source>
        <translation>مون سائٹنگ کمیٹی</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>حسبِ ضرورت</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>&amp;About Kestrivane...</source>
        <translation>&amp;Kestrivane کے بارے میں...</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>&apos;Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>maGHrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>&apos;Isha`</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>salle &apos;ala Muhammad</source>
        <translation>صلِّ علیٰ محمد</translation>
    </message>
    <message>
        <source>&lt;not set&gt;</source>
        <translation>&lt;مقرر نہیں&gt;</translation>
    </message>
    <message>
        <source>Minimize into task bar
minimize</source>
        <translation>ٹاسک بار میں چھوٹا کریں
چھوٹا کریں</translation>
    </message>
    <message>
        <source>Edit/define location</source>
        <translation>مقام مقرر کریں یا اس میں ترمیم کریں</translation>
    </message>
    <message>
        <source>Generate prayer timetable for a month</source>
        <translation>کسی مہینے کے اوقاتِ نماز کا جدول بنائیں</translation>
    </message>
    <message>
        <source>Edit Preferences</source>
        <translation>ترجیحات میں ترمیم کریں</translation>
    </message>
    <message>
        <source>Set alarms / recipients</source>
        <translation>الارم / وصول کنندگان مقرر کریں</translation>
    </message>
    <message>
        <source>Start Kestrivane when you log in</source>
        <translation>لاگ اِن کرنے پر Kestrivane شروع کریں</translation>
    </message>
    <message>
        <source>About Kestrivane32</source>
        <translation>Kestrivane32 کے بارے میں</translation>
    </message>
</context>
<context>
    <name>Timetable</name>
    <message>
        <source>Qiblah direction: %1</source>
        <translation>قبلہ کی سمت: %1</translation>
    </message>
    <message>
        <source>N</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>Prayer Timetable for %1</source>
        <translation>%1 کے اوقاتِ نماز</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>دن</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>فجر</translation>
    </message>
    <message>
        <source>shurooq</source>
        <translation>طلوعِ آفتاب</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>ظہر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>عصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>مغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>عشاء</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>ہجری</translation>
    </message>
    <message>
        <source>Generated by Kestrivane32</source>
        <translation>Kestrivane32 سے تیار کردہ</translation>
    </message>
    <message>
        <source>, method: %1</source>
        <translation>، طریقہ: %1</translation>
    </message>
    <message>
        <source> (adjusted)</source>
        <translation> (ترمیم شدہ)</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>ویب سائٹ</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Kestrivane Win32 Application</source>
        <translation>Kestrivane Win32 ایپلیکیشن</translation>
    </message>
</context>
</TS>
