<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Alarm</name>
    <message>
        <source>Could not install timer for Alarm.
No alarm will be played.</source>
        <translation>تعذّر إعداد مؤقّت التنبيه.
لن يُشغَّل أي تنبيه.</translation>
    </message>
    <message>
        <source>Could not install timer for Alarm.
No more alarms will be played.</source>
        <translation>تعذّر إعداد مؤقّت التنبيه.
لن تُشغَّل أي تنبيهات أخرى.</translation>
    </message>
    <message>
        <source>%1 azan at %2</source>
        <translation>أذان %1 الساعة %2</translation>
    </message>
    <message>
        <source>%1 iqama at %2</source>
        <translation>إقامة %1 الساعة %2</translation>
    </message>
    <message>
        <source>%1 prayer at %2 Insha Allah.</source>
        <translation>صلاة %1 الساعة %2 إن شاء الله.</translation>
    </message>
    <message>
        <source>Go for %1 prayer NOW!</source>
        <translation>هيا إلى صلاة %1 الآن!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>&lt;processing...&gt;</source>
        <translation>&lt;جارٍ الحساب...&gt;</translation>
    </message>
</context>
<context>
    <name>CFindCityDlg</name>
    <message>
        <source>The city database cannot be read; install the package libgweather-4-common to find cities by name. (%1)</source>
        <translation>تعذّرت قراءة قاعدة بيانات المدن؛ ثبّت الحزمة libgweather-4-common للبحث عن المدن بأسمائها. (%1)</translation>
    </message>
    <message>
        <source>No city has that name.</source>
        <translation>لا توجد مدينة بهذا الاسم.</translation>
    </message>
    <message>
        <source>Matches: %1</source>
        <translation>المطابقات: %1</translation>
    </message>
</context>
<context>
    <name>CLocationEditDlg</name>
    <message>
        <source>%1: zone %2, no daylight saving. Check the altitude.</source>
        <translation>%1: المنطقة الزمنية %2، بلا توقيت صيفي. تحقّق من الارتفاع.</translation>
    </message>
    <message>
        <source>%1: zone %2, daylight saving as Configure... shows. Check the altitude.</source>
        <translation>%1: المنطقة الزمنية %2، والتوقيت الصيفي كما يعرضه &quot;ضبط ...&quot;. تحقّق من الارتفاع.</translation>
    </message>
    <message>
        <source>%1: zone %2, daylight saving on this year&apos;s dates, which change from year to year: check them next year. Check the altitude.</source>
        <translation>%1: المنطقة الزمنية %2، والتوقيت الصيفي بتواريخ هذا العام، وهي تتغير من عام لآخر: تحقّق منها في العام القادم. تحقّق من الارتفاع.</translation>
    </message>
    <message>
        <source>%1: zone %2; its clock changes cannot be said here, so daylight saving is off: set it yourself. Check the altitude.</source>
        <translation>%1: المنطقة الزمنية %2؛ لا يمكن التعبير هنا عن تغييرات ساعتها، لذا أُوقف التوقيت الصيفي: اضبطه بنفسك. تحقّق من الارتفاع.</translation>
    </message>
</context>
<context>
    <name>Date</name>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
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
        <translation>ما هذا؟ (Shift+F1)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;تصغير</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>اليوم:</translation>
    </message>
    <message>
        <source> Location </source>
        <translation> الموقع </translation>
    </message>
    <message>
        <source>City</source>
        <translation>المدينة</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>البلد</translation>
    </message>
    <message>
        <source>Lat.</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>Long.</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>التوقيت</translation>
    </message>
    <message>
        <source> Prayer Times </source>
        <translation> مواقيت الصلاة </translation>
    </message>
    <message>
        <source>fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>shurooq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>`asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>maGHrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>`ishaa&apos;</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Next alarm :</source>
        <translation>التنبيه التالي:</translation>
    </message>
    <message>
        <source>About Kestrivane</source>
        <translation>حول Kestrivane</translation>
    </message>
    <message>
        <source>Kestrivane32</source>
        <translation>Kestrivane32</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>ال&amp;طريقة:</translation>
    </message>
    <message>
        <source> Rules (angles in degrees below the horizon) </source>
        <translation> القواعد (الزوايا بالدرجات تحت الأفق) </translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation>زاوية ال&amp;فجر:</translation>
    </message>
    <message>
        <source>Maghri&amp;b angle:</source>
        <translation>زاوية المغر&amp;ب:</translation>
    </message>
    <message>
        <source>&apos;&amp;Isha angle:</source>
        <translation>زاوية ال&amp;عشاء:</translation>
    </message>
    <message>
        <source>or Maghrib + mi&amp;nutes:</source>
        <translation>أو المغرب + &amp;دقائق:</translation>
    </message>
    <message>
        <source>&amp;Rounding:</source>
        <translation>ال&amp;تقريب:</translation>
    </message>
    <message>
        <source>Truncate
Nearest
Up</source>
        <translation>اقتطاع
للأقرب
للأعلى</translation>
    </message>
    <message>
        <source>High la&amp;titudes:</source>
        <translation>&amp;خطوط العرض العليا:</translation>
    </message>
    <message>
        <source>Seventh of the night
Middle of the night
Angle-based</source>
        <translation>سُبع الليل
منتصف الليل
حسب الزاوية</translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation> التعديلات (بالدقائق) </translation>
    </message>
    <message>
        <source>Fa&amp;jr:</source>
        <translation>الف&amp;جر:</translation>
    </message>
    <message>
        <source>&amp;Shurooq:</source>
        <translation>ال&amp;شروق:</translation>
    </message>
    <message>
        <source>&amp;Zuhr:</source>
        <translation>ال&amp;ظهر:</translation>
    </message>
    <message>
        <source>&apos;&amp;Asr:</source>
        <translation>الع&amp;صر:</translation>
    </message>
    <message>
        <source>Ma&amp;ghrib:</source>
        <translation>الم&amp;غرب:</translation>
    </message>
    <message>
        <source>&apos;Is&amp;ha:</source>
        <translation>&amp;العشاء:</translation>
    </message>
    <message>
        <source> Today </source>
        <translation> اليوم </translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>&apos;Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>&apos;Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Calculation Method</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>First
Second
Third
Forth
Last</source>
        <translation>الأول
الثاني
الثالث
الرابع
الأخير</translation>
    </message>
    <message>
        <source>Sunday
Monday
Tuesday
Wednesday
Thursday
Friday
Saturday</source>
        <translation>الأحد
الاثنين
الثلاثاء
الأربعاء
الخميس
الجمعة
السبت</translation>
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
        <translation>يناير
فبراير
مارس
أبريل
مايو
يونيو
يوليو
أغسطس
سبتمبر
أكتوبر
نوفمبر
ديسمبر</translation>
    </message>
    <message>
        <source> Time Format </source>
        <translation> صيغة الوقت </translation>
    </message>
    <message>
        <source>&amp;12 Hr.</source>
        <translation>نظام &amp;12 ساعة</translation>
    </message>
    <message>
        <source>&amp;24 Hr.</source>
        <translation>نظام &amp;24 ساعة</translation>
    </message>
    <message>
        <source> Fiqh (for Asr time calc) </source>
        <translation> المذهب الفقهي (لحساب وقت العصر) </translation>
    </message>
    <message>
        <source>&amp;Shafe&apos;i (shadow = 1x length)</source>
        <translation>ال&amp;شافعي (الظل = مثل الطول)</translation>
    </message>
    <message>
        <source>&amp;Hanafi (shadow = 2x length)</source>
        <translation>ال&amp;حنفي (الظل = ضعف الطول)</translation>
    </message>
    <message>
        <source>Twilight angle (degrees):</source>
        <translation>زاوية الشفق (بالدرجات):</translation>
    </message>
    <message>
        <source>&amp;fajr:</source>
        <translation>ال&amp;فجر:</translation>
    </message>
    <message>
        <source>&amp;Isha`:</source>
        <translation>ال&amp;عشاء:</translation>
    </message>
    <message>
        <source>Calculation &amp;Method...</source>
        <translation>&amp;طريقة الحساب...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>Edit Location Data</source>
        <translation>تعديل بيانات الموقع</translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation>ال&amp;مدينة:</translation>
    </message>
    <message>
        <source>Countr&amp;y:</source>
        <translation>ال&amp;بلد:</translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation>خط ال&amp;عرض:</translation>
    </message>
    <message>
        <source>North
South</source>
        <translation>شمال
جنوب</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>خط ال&amp;طول:</translation>
    </message>
    <message>
        <source>East
West</source>
        <translation>شرق
غرب</translation>
    </message>
    <message>
        <source>A&amp;ltitude (m):</source>
        <translation>الار&amp;تفاع (م):</translation>
    </message>
    <message>
        <source>Time  
&amp;Zone:</source>
        <translation>المنطقة
&amp;الزمنية:</translation>
    </message>
    <message>
        <source>Use &amp;Daylight Savings time</source>
        <translation>استخدام التوقيت ال&amp;صيفي</translation>
    </message>
    <message>
        <source>Con&amp;figure ...</source>
        <translation>&amp;ضبط ...</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>درجة</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>دقيقة</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>الاتجاه</translation>
    </message>
    <message>
        <source>Starts on</source>
        <translation>يبدأ في</translation>
    </message>
    <message>
        <source>&amp;date:</source>
        <translation>&amp;تاريخ:</translation>
    </message>
    <message>
        <source>&amp;weekday:</source>
        <translation>&amp;يوم الأسبوع:</translation>
    </message>
    <message>
        <source>&amp;in:</source>
        <translation>&amp;من:</translation>
    </message>
    <message>
        <source>Ends on</source>
        <translation>ينتهي في</translation>
    </message>
    <message>
        <source>da&amp;te:</source>
        <translation>تا&amp;ريخ:</translation>
    </message>
    <message>
        <source>weekda&amp;y:</source>
        <translation>يوم الأ&amp;سبوع:</translation>
    </message>
    <message>
        <source>i&amp;n:</source>
        <translation>م&amp;ن:</translation>
    </message>
    <message>
        <source> Alarms </source>
        <translation> التنبيهات </translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation>الصلاة</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Azan On/Off</source>
        <translation>تفعيل الأذان</translation>
    </message>
    <message>
        <source>Azaan Time</source>
        <translation>وقت الأذان</translation>
    </message>
    <message>
        <source>Iqamah delay (min)</source>
        <translation>تأخير الإقامة (دقيقة)</translation>
    </message>
    <message>
        <source>&amp;fajr</source>
        <translation>ال&amp;فجر</translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation>ال&amp;ظهر</translation>
    </message>
    <message>
        <source>`&amp;asr</source>
        <translation>ال&amp;عصر</translation>
    </message>
    <message>
        <source>&amp;maGHrib</source>
        <translation>ال&amp;مغرب</translation>
    </message>
    <message>
        <source>`&amp;ishaa&apos;</source>
        <translation>الع&amp;شاء</translation>
    </message>
    <message>
        <source>&amp;Play Azan sound</source>
        <translation>&amp;تشغيل صوت الأذان</translation>
    </message>
    <message>
        <source>&amp;Recipients ...</source>
        <translation>&amp;المستلمون ...</translation>
    </message>
    <message>
        <source>&amp;User name :</source>
        <translation>اسم ال&amp;مستخدم:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>&amp;List of Recipients :</source>
        <translation>&amp;قائمة المستلمين:</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Define Location</source>
        <translation>تحديد الموقع</translation>
    </message>
    <message>
        <source>Configure Daylight Savings</source>
        <translation>ضبط التوقيت الصيفي</translation>
    </message>
    <message>
        <source>Set Alarms</source>
        <translation>ضبط التنبيهات</translation>
    </message>
    <message>
        <source>Azan Recipients</source>
        <translation>مستلمو الأذان</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>ال&amp;سنة:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>ال&amp;شهر:</translation>
    </message>
    <message>
        <source>Make Table</source>
        <translation>إنشاء الجدول</translation>
    </message>
    <message>
        <source>Month Prayer Timetable</source>
        <translation>جدول مواقيت الصلاة الشهري</translation>
    </message>
    <message>
        <source>Select Month ...</source>
        <translation>اختيار الشهر ...</translation>
    </message>
    <message>
        <source>No Azan.wav in the settings folder: alarms play a chime instead.</source>
        <translation>لا يوجد الملف Azan.wav في مجلد الإعدادات: ستُصدر التنبيهات رنينًا بدلًا منه.</translation>
    </message>
    <message>
        <source>Azan.wav cannot be played: alarms play a chime instead.</source>
        <translation>تعذّر تشغيل Azan.wav: ستُصدر التنبيهات رنينًا بدلًا منه.</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>ال&amp;اسم:</translation>
    </message>
    <message>
        <source>Find a City</source>
        <translation>البحث عن مدينة</translation>
    </message>
    <message>
        <source>F&amp;ind...</source>
        <translation>ب&amp;حث...</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>ال&amp;تقويم:</translation>
    </message>
    <message>
        <source>None
Umm al-Qura
Tabular (civil)</source>
        <translation>بدون
أم القرى
جدولي (مدني)</translation>
    </message>
    <message>
        <source>&amp;Adjustment for local moon sighting (days):</source>
        <translation>تعديل ل&amp;رؤية الهلال المحلية (أيام):</translation>
    </message>
    <message>
        <source>Hijri date &amp;column in the month timetable</source>
        <translation>&amp;عمود التاريخ الهجري في جدول الشهر</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Enter user / login names of those people to whom you wish to send Azan alarm mesages.

Note: Users must be logged-in in the same domain.</source>
        <translation>أدخل أسماء المستخدمين / أسماء الدخول للأشخاص الذين تريد أن ترسل إليهم رسائل تنبيه الأذان.

ملاحظة: يجب أن يكون المستخدمون قد سجّلوا الدخول في النطاق نفسه.</translation>
    </message>
    <message>
        <source>Select the month for which you would like to generate the prayer time table.</source>
        <translation>اختر الشهر الذي تريد إنشاء جدول مواقيت الصلاة له.</translation>
    </message>
</context>
<context>
    <name>Font</name>
    <message>
        <source>MS Sans Serif</source>
        <translation>MS Sans Serif</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Kestrivane Help</source>
        <translation>مساعدة Kestrivane</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;تقدّم</translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation>ما هذا؟</translation>
    </message>
    <message>
        <source>No Help topic is associated with this item.</source>
        <translation>لا يوجد موضوع مساعدة مرتبط بهذا العنصر.</translation>
    </message>
    <message>
        <source>Kestrivane computes the times of the five daily prayers for one place and reminds you of them. The main window shows today&apos;s date, your location and the six times: Fajr (dawn), Shurooq (sunrise), Zuhr (noon), &apos;Asr (afternoon), Maghrib (sunset) and &apos;Isha (night), and the next alarm. Two seconds after the start it hides in the notification area; click its icon to bring it back.</source>
        <translation>يحسب Kestrivane مواقيت الصلوات الخمس اليومية لمكان واحد ويذكّرك بها. تعرض النافذة الرئيسية تاريخ اليوم وموقعك والأوقات الستة: الفجر (طلوع الفجر) والشروق (طلوع الشمس) والظهر (الزوال) والعصر (بعد الظهر) والمغرب (غروب الشمس) والعشاء (الليل)، والتنبيه التالي. وبعد ثانيتين من بدء التشغيل تختفي النافذة في منطقة الإشعارات؛ انقر أيقونتها لإعادتها.</translation>
    </message>
    <message>
        <source>Help on a single field: click it and press F1, or press Shift+F1 (or the small &quot;?&quot; button in a dialog) and then click the field. In the main window and in Azan Recipients a right-click on a field offers &quot;What&apos;s This?&quot;.</source>
        <translation>للمساعدة في حقل واحد: انقره ثم اضغط F1، أو اضغط Shift+F1 (أو الزر الصغير &quot;?&quot; في مربع الحوار) ثم انقر الحقل. وفي النافذة الرئيسية وفي &quot;مستلمو الأذان&quot; يعرض النقر بالزر الأيمن على أي حقل الأمر &quot;ما هذا؟&quot;.</translation>
    </message>
    <message>
        <source>The icon&apos;s menu in the notification area offers the Options commands too, so the settings can be changed without bringing the window back.</source>
        <translation>تعرض قائمة الأيقونة في منطقة الإشعارات أوامر قائمة الخيارات أيضًا، فيمكن تغيير الإعدادات دون إعادة النافذة.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Time Format: &quot;12 Hr.&quot; shows times like 5:30 A.M. and 1:30 P.M.; &quot;24 Hr.&quot; shows 05:30 and 13:30. The choice applies to the main window, the alarm messages and the Set Alarms lists.</source>
        <translation>صيغة الوقت: &quot;نظام 12 ساعة&quot; يعرض الأوقات مثل 5:30 A.M. و1:30 P.M.؛ و&quot;نظام 24 ساعة&quot; يعرض 05:30 و13:30. ينطبق هذا الاختيار على النافذة الرئيسية ورسائل التنبيه وقوائم &quot;ضبط التنبيهات&quot;.</translation>
    </message>
    <message>
        <source>Fiqh (for Asr time calc): the school of law decides when &apos;Asr begins. Shafe&apos;i: when an object&apos;s shadow is as long as the object (plus its shadow at noon). Hanafi: when the shadow is twice as long. Hanafi gives the later &apos;Asr.</source>
        <translation>المذهب الفقهي (لحساب وقت العصر): يحدد المذهب الفقهي متى يبدأ وقت العصر. الشافعي: حين يصير ظل الشيء مثل طوله (مضافًا إليه ظله عند الزوال). الحنفي: حين يصير الظل ضعف طوله. والمذهب الحنفي يعطي وقت العصر الأكثر تأخرًا.</translation>
    </message>
    <message>
        <source>Twilight angle: how far the sun is below the horizon, in whole degrees from 11 to 24, at Fajr (dawn) and at the end of &apos;Isha twilight. A larger angle gives an earlier Fajr and a later &apos;Isha. 18 degrees is a common choice for both; some places use 15. Ask your local mosque which angles it follows. The angles count for the Classic method; another method brings its own.</source>
        <translation>زاوية الشفق: مقدار انخفاض الشمس تحت الأفق، بدرجات صحيحة من 11 إلى 24، عند الفجر (طلوع الفجر) وعند نهاية شفق العشاء. الزاوية الأكبر تعطي فجرًا أبكر وعشاءً أكثر تأخرًا. و18 درجة اختيار شائع لكليهما؛ وبعض الأماكن تستخدم 15. اسأل مسجدك المحلي عن الزوايا التي يتّبعها. تُعتمد هذه الزوايا في الطريقة التقليدية؛ أما أي طريقة أخرى فلها زواياها الخاصة.</translation>
    </message>
    <message>
        <source>&quot;Calculation Method...&quot; opens the choice of method ({0x2008f}); it is kept when you press OK here.</source>
        <translation>&quot;طريقة الحساب...&quot; يفتح اختيار الطريقة ({0x2008f})؛ ويُحفظ الاختيار حين تضغط &quot;موافق&quot; هنا.</translation>
    </message>
    <message>
        <source>OK recomputes today&apos;s times with the new settings and saves them; Cancel keeps the old ones.</source>
        <translation>يعيد &quot;موافق&quot; حساب أوقات اليوم بالإعدادات الجديدة ويحفظها؛ ويُبقي &quot;إلغاء&quot; على الإعدادات القديمة.</translation>
    </message>
    <message>
        <source>Define Location</source>
        <translation>تحديد الموقع</translation>
    </message>
    <message>
        <source>City and Country are only names for the display. Latitude is 0 to 90 degrees and 0 to 59 minutes, North or South; longitude is 0 to 180 degrees and 0 to 59 minutes, East or West. Altitude is in metres above sea level, 0 to 65535. Time Zone is your standard time&apos;s offset from Greenwich in hours, from -12 to 14, east positive, for example 5 for Pakistan, 5.5 for India or -5 for New York.</source>
        <translation>المدينة والبلد مجرد اسمين للعرض. خط العرض من 0 إلى 90 درجة ومن 0 إلى 59 دقيقة، شمالًا أو جنوبًا؛ وخط الطول من 0 إلى 180 درجة ومن 0 إلى 59 دقيقة، شرقًا أو غربًا. الارتفاع بالأمتار فوق مستوى سطح البحر، من 0 إلى 65535. المنطقة الزمنية هي فرق توقيتك الرسمي عن غرينتش بالساعات، من -12 إلى 14، والشرق موجب، مثل 5 لباكستان أو 5.5 للهند أو -5 لنيويورك.</translation>
    </message>
    <message>
        <source>Tick &quot;Use Daylight Savings time&quot; if the clocks move forward in summer there, and press &quot;Configure ...&quot; to say when that starts and ends. Each can be a fixed date (day and month) or a weekday of a month, such as the last Sunday of March.</source>
        <translation>ضع علامة على &quot;استخدام التوقيت الصيفي&quot; إذا كانت الساعات تُقدَّم صيفًا هناك، واضغط &quot;ضبط ...&quot; لتحديد متى يبدأ ذلك ومتى ينتهي. ويمكن أن يكون كلٌّ منهما تاريخًا ثابتًا (يومًا وشهرًا) أو يومًا من أيام الأسبوع في شهر ما، مثل آخر أحد من مارس.</translation>
    </message>
    <message>
        <source>Set Alarms</source>
        <translation>ضبط التنبيهات</translation>
    </message>
    <message>
        <source>Each prayer row shows today&apos;s time. Tick its box to switch the azan alarm on and choose the azan time from the list. The list begins with &quot;At ... time&quot; and &quot;... + 5&quot; to &quot;... + 60&quot;: such an alarm follows its prayer, ringing every day at that day&apos;s time plus the minutes chosen. Then come fixed times after the prayer time, every 15 minutes (every 5 minutes for Maghrib), ending at the next prayer. When the azan time comes, the window caption and the tray icon flash, the sound plays if &quot;Play Azan sound&quot; is ticked, and the message is shown and sent to the recipients.</source>
        <translation>يعرض كل صف من صفوف الصلاة وقتها اليوم. ضع علامة في مربعه لتفعيل تنبيه الأذان، واختر وقت الأذان من القائمة. تبدأ القائمة بـ&quot;في وقت ... تمامًا&quot; و&quot;... + 5&quot; إلى &quot;... + 60&quot;: وهذا التنبيه يتبع صلاته، فيرنّ كل يوم في وقتها من ذلك اليوم مضافًا إليه الدقائق المختارة. ثم تأتي أوقات ثابتة بعد وقت الصلاة، كل 15 دقيقة (كل 5 دقائق للمغرب)، تنتهي عند الصلاة التالية. وحين يحين وقت الأذان يومض عنوان النافذة وأيقونة منطقة الإشعارات، ويُشغَّل الصوت إذا كان &quot;تشغيل صوت الأذان&quot; محددًا، وتُعرض الرسالة وتُرسل إلى المستلمين.</translation>
    </message>
    <message>
        <source>The iqamah delay (5 to 59 minutes) is the time from the azan to the iqamah, when the prayer starts; a second alarm, &quot;Go for ... prayer NOW!&quot;, comes then. Click the window or the tray icon to stop a flashing alarm. When Azan.wav is missing or cannot be played, a line under the alarms says so and the alarm plays a chime instead.</source>
        <translation>تأخير الإقامة (من 5 إلى 59 دقيقة) هو الوقت من الأذان إلى الإقامة، حين تبدأ الصلاة؛ وعندها يأتي تنبيه ثانٍ: &quot;هيا إلى صلاة ... الآن!&quot;. انقر النافذة أو أيقونة منطقة الإشعارات لإيقاف تنبيه يومض. وإذا كان Azan.wav مفقودًا أو تعذّر تشغيله، يظهر سطر تحت التنبيهات يبيّن ذلك، ويُصدر التنبيه رنينًا بدلًا منه.</translation>
    </message>
    <message>
        <source>&quot;Recipients ...&quot; lists the login names to which every alarm message is also sent over the network.</source>
        <translation>&quot;المستلمون ...&quot; يسرد أسماء الدخول التي تُرسَل إليها أيضًا كل رسالة تنبيه عبر الشبكة.</translation>
    </message>
    <message>
        <source>Calculation Method</source>
        <translation>طريقة الحساب</translation>
    </message>
    <message>
        <source>Classic is the program&apos;s own arithmetic with the twilight angles of Preferences. The other methods are the published rules of an authority: the sun&apos;s angle below the horizon at Fajr and at &apos;Isha (or &apos;Isha a fixed time after Maghrib), the authority&apos;s own minute adjustments and how it rounds. Choose the one your mosque or your country&apos;s authority follows; Custom lets you set every rule yourself.</source>
        <translation>&quot;التقليدية&quot; هي طريقة الحساب الخاصة بالبرنامج مع زوايا الشفق المضبوطة في &quot;التفضيلات&quot;. أما الطرق الأخرى فهي القواعد المنشورة لإحدى الهيئات: زاوية الشمس تحت الأفق عند الفجر وعند العشاء (أو العشاء بعد المغرب بمدة ثابتة)، وتعديلات الهيئة نفسها بالدقائق وطريقة تقريبها. اختر الطريقة التي يتّبعها مسجدك أو الهيئة المعتمدة في بلدك؛ وتتيح لك &quot;مخصصة&quot; ضبط كل قاعدة بنفسك.</translation>
    </message>
    <message>
        <source>High latitudes: where twilight does not end on summer nights, Fajr and &apos;Isha are taken from a share of the night: a seventh, the middle of the night, or a share by the angle.</source>
        <translation>خطوط العرض العليا: حيث لا يغيب الشفق في ليالي الصيف، يُحسب الفجر والعشاء من جزء من الليل: سُبع الليل، أو منتصف الليل، أو جزء بحسب الزاوية.</translation>
    </message>
    <message>
        <source>Adjustments add or take up to 30 minutes from single prayers, on top of any method. &quot;Today&quot; shows today&apos;s six times as you choose. OK uses the method everywhere: the main window, the alarms and the month timetable.</source>
        <translation>تضيف التعديلات إلى كل صلاة على حدة أو تطرح منها حتى 30 دقيقة، فوق أي طريقة. ويعرض &quot;اليوم&quot; أوقات اليوم الستة وفق اختيارك. ويطبّق &quot;موافق&quot; الطريقة في كل مكان: النافذة الرئيسية والتنبيهات وجدول الشهر.</translation>
    </message>
    <message>
        <source>Shafe&apos;i: &apos;Asr begins when an object&apos;s shadow is as long as the object itself (plus its shadow at noon).</source>
        <translation>الشافعي: يبدأ العصر حين يصير ظل الشيء مثل طوله (مضافًا إليه ظله عند الزوال).</translation>
    </message>
    <message>
        <source>Hanafi: &apos;Asr begins when an object&apos;s shadow is twice as long as the object (plus its shadow at noon). This gives a later &apos;Asr than the Shafe&apos;i rule.</source>
        <translation>الحنفي: يبدأ العصر حين يصير ظل الشيء ضعف طوله (مضافًا إليه ظله عند الزوال). وهذا يعطي وقت عصر أكثر تأخرًا من قاعدة الشافعي.</translation>
    </message>
    <message>
        <source>12-hour clock: times are shown like 5:30 A.M. and 1:30 P.M.</source>
        <translation>نظام 12 ساعة: تُعرض الأوقات مثل 5:30 A.M. و1:30 P.M.</translation>
    </message>
    <message>
        <source>24-hour clock: times are shown like 05:30 and 13:30.</source>
        <translation>نظام 24 ساعة: تُعرض الأوقات مثل 05:30 و13:30.</translation>
    </message>
    <message>
        <source>The sun&apos;s angle below the horizon at Fajr (dawn), 11 to 24 degrees. A larger angle gives an earlier Fajr. Example: 18.</source>
        <translation>زاوية الشمس تحت الأفق عند الفجر (طلوع الفجر)، من 11 إلى 24 درجة. الزاوية الأكبر تعطي فجرًا أبكر. مثال: 18.</translation>
    </message>
    <message>
        <source>The sun&apos;s angle below the horizon at which &apos;Isha begins, 11 to 24 degrees. A larger angle gives a later &apos;Isha. Example: 18.</source>
        <translation>زاوية الشمس تحت الأفق التي يبدأ عندها العشاء، من 11 إلى 24 درجة. الزاوية الأكبر تعطي عشاءً أكثر تأخرًا. مثال: 18.</translation>
    </message>
    <message>
        <source>Latitude degrees, 0 to 90. Choose North or South on the right. Example: Islamabad lies at 33 degrees 40 minutes North.</source>
        <translation>درجات خط العرض، من 0 إلى 90. اختر شمال أو جنوب من القائمة المجاورة. مثال: تقع إسلام آباد على خط العرض 33 درجة و40 دقيقة شمالًا.</translation>
    </message>
    <message>
        <source>Longitude degrees, 0 to 180. Choose East or West on the right. Example: Islamabad lies at 73 degrees 10 minutes East.</source>
        <translation>درجات خط الطول، من 0 إلى 180. اختر شرق أو غرب من القائمة المجاورة. مثال: تقع إسلام آباد على خط الطول 73 درجة و10 دقائق شرقًا.</translation>
    </message>
    <message>
        <source>Your standard time&apos;s offset from Greenwich (UTC) in hours, -12 to 14, east positive, without daylight saving. Half hours are written with a decimal point. Examples: 5 for Pakistan, 5.5 for India, -5 for New York.</source>
        <translation>فرق توقيتك الرسمي عن غرينتش (UTC) بالساعات، من -12 إلى 14، والشرق موجب، دون التوقيت الصيفي. تُكتب أنصاف الساعات بنقطة عشرية (.). أمثلة: 5 لباكستان، 5.5 للهند، -5 لنيويورك.</translation>
    </message>
    <message>
        <source>Height above sea level in metres, 0 to 65535. A high place sees the sun rise a little earlier and set a little later. Example: 550.</source>
        <translation>الارتفاع فوق مستوى سطح البحر بالأمتار، من 0 إلى 65535. في المكان المرتفع تشرق الشمس أبكر قليلًا وتغرب متأخرة قليلًا. مثال: 550.</translation>
    </message>
    <message>
        <source>The name of the city, shown in the main window and the timetable. It does not change the times.</source>
        <translation>اسم المدينة، ويظهر في النافذة الرئيسية وفي الجدول. ولا يغيّر الأوقات.</translation>
    </message>
    <message>
        <source>The name of the country, shown in the main window and the timetable. It does not change the times.</source>
        <translation>اسم البلد، ويظهر في النافذة الرئيسية وفي الجدول. ولا يغيّر الأوقات.</translation>
    </message>
    <message>
        <source>Tick this if the clocks at your location move forward in summer. The times are then shown one hour later between the start and the end set with &quot;Configure ...&quot;. Unticking keeps the start and end for later.</source>
        <translation>ضع علامة هنا إذا كانت الساعات تُقدَّم صيفًا في موقعك. عندئذ تُعرض الأوقات متأخرة ساعة واحدة بين البداية والنهاية المضبوطتين عبر &quot;ضبط ...&quot;. وإزالة العلامة تُبقي البداية والنهاية محفوظتين لوقت لاحق.</translation>
    </message>
    <message>
        <source>Sets when daylight saving time starts and ends at your location. Available while &quot;Use Daylight Savings time&quot; is ticked.</source>
        <translation>يحدد متى يبدأ التوقيت الصيفي ومتى ينتهي في موقعك. متاح ما دام &quot;استخدام التوقيت الصيفي&quot; محددًا.</translation>
    </message>
    <message>
        <source>Latitude minutes, 0 to 59 (60 minutes make one degree). Example: 40 for 33 degrees 40 minutes.</source>
        <translation>دقائق خط العرض، من 0 إلى 59 (كل 60 دقيقة تساوي درجة واحدة). مثال: 40 لخط العرض 33 درجة و40 دقيقة.</translation>
    </message>
    <message>
        <source>Longitude minutes, 0 to 59 (60 minutes make one degree). Example: 10 for 73 degrees 10 minutes.</source>
        <translation>دقائق خط الطول، من 0 إلى 59 (كل 60 دقيقة تساوي درجة واحدة). مثال: 10 لخط الطول 73 درجة و10 دقائق.</translation>
    </message>
    <message>
        <source>North for places north of the equator, South for places south of it.</source>
        <translation>شمال للأماكن الواقعة شمال خط الاستواء، وجنوب للأماكن الواقعة جنوبه.</translation>
    </message>
    <message>
        <source>East for places east of Greenwich, West for places west of it (the Americas).</source>
        <translation>شرق للأماكن الواقعة شرق غرينتش، وغرب للأماكن الواقعة غربها (الأمريكتان).</translation>
    </message>
    <message>
        <source>The month in which daylight saving time ends.</source>
        <translation>الشهر الذي ينتهي فيه التوقيت الصيفي.</translation>
    </message>
    <message>
        <source>Daylight saving time starts on a fixed day of the month, given in the field on the right.</source>
        <translation>يبدأ التوقيت الصيفي في يوم ثابت من الشهر، يُحدَّد في الحقل المجاور.</translation>
    </message>
    <message>
        <source>Daylight saving time starts on a weekday of the month, such as the last Sunday of March.</source>
        <translation>يبدأ التوقيت الصيفي في يوم من أيام الأسبوع في الشهر، مثل آخر أحد من مارس.</translation>
    </message>
    <message>
        <source>Daylight saving time ends on a fixed day of the month, given in the field on the right.</source>
        <translation>ينتهي التوقيت الصيفي في يوم ثابت من الشهر، يُحدَّد في الحقل المجاور.</translation>
    </message>
    <message>
        <source>The day of the month on which daylight saving time ends, 1 to 31. Example: 30.</source>
        <translation>يوم الشهر الذي ينتهي فيه التوقيت الصيفي، من 1 إلى 31. مثال: 30.</translation>
    </message>
    <message>
        <source>Daylight saving time ends on a weekday of the month, such as the last Sunday of October.</source>
        <translation>ينتهي التوقيت الصيفي في يوم من أيام الأسبوع في الشهر، مثل آخر أحد من أكتوبر.</translation>
    </message>
    <message>
        <source>Which of that weekday in the month ends daylight saving time: First, Second, Third, Forth or Last.</source>
        <translation>أيّ مرة يتكرر فيها ذلك اليوم من أيام الأسبوع في الشهر ينتهي عندها التوقيت الصيفي: الأول أو الثاني أو الثالث أو الرابع أو الأخير.</translation>
    </message>
    <message>
        <source>The weekday on which daylight saving time ends, Sunday to Saturday.</source>
        <translation>يوم الأسبوع الذي ينتهي فيه التوقيت الصيفي، من الأحد إلى السبت.</translation>
    </message>
    <message>
        <source>The month in which daylight saving time starts.</source>
        <translation>الشهر الذي يبدأ فيه التوقيت الصيفي.</translation>
    </message>
    <message>
        <source>The day of the month on which daylight saving time starts, 1 to 31. Example: 31.</source>
        <translation>يوم الشهر الذي يبدأ فيه التوقيت الصيفي، من 1 إلى 31. مثال: 31.</translation>
    </message>
    <message>
        <source>Which of that weekday in the month starts daylight saving time: First, Second, Third, Forth or Last.</source>
        <translation>أيّ مرة يتكرر فيها ذلك اليوم من أيام الأسبوع في الشهر يبدأ عندها التوقيت الصيفي: الأول أو الثاني أو الثالث أو الرابع أو الأخير.</translation>
    </message>
    <message>
        <source>The weekday on which daylight saving time starts, Sunday to Saturday.</source>
        <translation>يوم الأسبوع الذي يبدأ فيه التوقيت الصيفي، من الأحد إلى السبت.</translation>
    </message>
    <message>
        <source>Tick to switch on the Fajr azan alarm at the time chosen on the right.</source>
        <translation>ضع علامة لتفعيل تنبيه أذان الفجر في الوقت المختار بجانبه.</translation>
    </message>
    <message>
        <source>Tick to switch on the Zuhr azan alarm at the time chosen on the right.</source>
        <translation>ضع علامة لتفعيل تنبيه أذان الظهر في الوقت المختار بجانبه.</translation>
    </message>
    <message>
        <source>Tick to switch on the &apos;Asr azan alarm at the time chosen on the right.</source>
        <translation>ضع علامة لتفعيل تنبيه أذان العصر في الوقت المختار بجانبه.</translation>
    </message>
    <message>
        <source>Tick to switch on the Maghrib azan alarm at the time chosen on the right.</source>
        <translation>ضع علامة لتفعيل تنبيه أذان المغرب في الوقت المختار بجانبه.</translation>
    </message>
    <message>
        <source>Tick to switch on the &apos;Isha azan alarm at the time chosen on the right.</source>
        <translation>ضع علامة لتفعيل تنبيه أذان العشاء في الوقت المختار بجانبه.</translation>
    </message>
    <message>
        <source>The Fajr azan time: every 15 minutes from just after today&apos;s Fajr time until sunrise (Shurooq).</source>
        <translation>وقت أذان الفجر: كل 15 دقيقة من بعد وقت الفجر اليوم مباشرة حتى طلوع الشمس (الشروق).</translation>
    </message>
    <message>
        <source>The Zuhr azan time: every 15 minutes from just after today&apos;s Zuhr time until &apos;Asr, at most eight choices.</source>
        <translation>وقت أذان الظهر: كل 15 دقيقة من بعد وقت الظهر اليوم مباشرة حتى العصر، ثمانية خيارات على الأكثر.</translation>
    </message>
    <message>
        <source>The &apos;Asr azan time: every 15 minutes from just after today&apos;s &apos;Asr time until Maghrib, at most eight choices.</source>
        <translation>وقت أذان العصر: كل 15 دقيقة من بعد وقت العصر اليوم مباشرة حتى المغرب، ثمانية خيارات على الأكثر.</translation>
    </message>
    <message>
        <source>The Maghrib azan time: every 5 minutes from just after sunset until &apos;Isha, at most eight choices.</source>
        <translation>وقت أذان المغرب: كل 5 دقائق من بعد غروب الشمس مباشرة حتى العشاء، ثمانية خيارات على الأكثر.</translation>
    </message>
    <message>
        <source>The &apos;Isha azan time: every 15 minutes from just after today&apos;s &apos;Isha time, eight choices, none past midnight.</source>
        <translation>وقت أذان العشاء: كل 15 دقيقة من بعد وقت العشاء اليوم مباشرة، ثمانية خيارات، لا يتجاوز أيٌّ منها منتصف الليل.</translation>
    </message>
    <message>
        <source>Minutes from the Fajr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 20.</source>
        <translation>الدقائق من أذان الفجر إلى الإقامة، من 5 إلى 59. يذكّرك عندها تنبيه ثانٍ. مثال: 20.</translation>
    </message>
    <message>
        <source>Minutes from the Zuhr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation>الدقائق من أذان الظهر إلى الإقامة، من 5 إلى 59. يذكّرك عندها تنبيه ثانٍ. مثال: 15.</translation>
    </message>
    <message>
        <source>Minutes from the &apos;Asr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation>الدقائق من أذان العصر إلى الإقامة، من 5 إلى 59. يذكّرك عندها تنبيه ثانٍ. مثال: 15.</translation>
    </message>
    <message>
        <source>Minutes from the Maghrib azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 5.</source>
        <translation>الدقائق من أذان المغرب إلى الإقامة، من 5 إلى 59. يذكّرك عندها تنبيه ثانٍ. مثال: 5.</translation>
    </message>
    <message>
        <source>Minutes from the &apos;Isha azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation>الدقائق من أذان العشاء إلى الإقامة، من 5 إلى 59. يذكّرك عندها تنبيه ثانٍ. مثال: 15.</translation>
    </message>
    <message>
        <source>The login names that also receive every alarm message over the network. Changes made there are kept even if you then press Cancel here.</source>
        <translation>أسماء الدخول التي تتلقى أيضًا كل رسالة تنبيه عبر الشبكة. التغييرات التي تُجرى هناك تبقى محفوظة حتى لو ضغطت بعدها &quot;إلغاء&quot; هنا.</translation>
    </message>
    <message>
        <source>The latitude of your location, in degrees and minutes, N or S. Change it with Options, Location.</source>
        <translation>خط عرض موقعك، بالدرجات والدقائق، N (شمال) أو S (جنوب). غيّره من خيارات، الموقع.</translation>
    </message>
    <message>
        <source>The longitude of your location, in degrees and minutes, E or W. Change it with Options, Location.</source>
        <translation>خط طول موقعك، بالدرجات والدقائق، E (شرق) أو W (غرب). غيّره من خيارات، الموقع.</translation>
    </message>
    <message>
        <source>The time zone of your location in hours from Greenwich, east positive. Change it with Options, Location.</source>
        <translation>المنطقة الزمنية لموقعك بالساعات عن غرينتش، والشرق موجب. غيّرها من خيارات، الموقع.</translation>
    </message>
    <message>
        <source>The altitude of your location in metres. Change it with Options, Location.</source>
        <translation>ارتفاع موقعك بالأمتار. غيّره من خيارات، الموقع.</translation>
    </message>
    <message>
        <source>The people who receive the alarm messages, in alphabetical order. Select one or more (Ctrl or Shift and click) to remove them.</source>
        <translation>الأشخاص الذين يتلقون رسائل التنبيه، مرتبين أبجديًا. حدد واحدًا أو أكثر (Ctrl أو Shift مع النقر) لإزالتهم.</translation>
    </message>
    <message>
        <source>A user or login name to add, such as AHMED. Letters become capitals. The name must reach the colleague&apos;s machine on the network.</source>
        <translation>اسم مستخدم أو اسم دخول لإضافته، مثل AHMED. تتحول الحروف اللاتينية إلى حروف كبيرة. ويجب أن يصل الاسم إلى جهاز الزميل على الشبكة.</translation>
    </message>
    <message>
        <source>Adds the name typed above to the list. A name already in the list, in any letter case, is refused.</source>
        <translation>يضيف الاسم المكتوب أعلاه إلى القائمة. ويُرفض أي اسم موجود في القائمة مسبقًا، بصرف النظر عن حالة الأحرف.</translation>
    </message>
    <message>
        <source>Removes the selected names from the list.</source>
        <translation>يزيل الأسماء المحددة من القائمة.</translation>
    </message>
    <message>
        <source>&quot;Find...&quot; looks the city up by name in the world city database (GNOME&apos;s world locations, from the package libgweather-4-common) and fills in everything but the altitude; the line under the box says what it set and what to check.</source>
        <translation>&quot;بحث...&quot; يبحث عن المدينة باسمها في قاعدة بيانات مدن العالم (مواقع العالم من GNOME، من الحزمة libgweather-4-common) ويملأ كل الحقول عدا الارتفاع؛ ويبيّن السطر الذي تحت المربع ما ضبطه وما ينبغي التحقق منه.</translation>
    </message>
    <message>
        <source>Finds your city by name in the world city database (in any language it knows) and fills in the city, country, latitude, longitude, time zone and daylight saving from the city&apos;s time zone. The altitude stays as it is. A line under the box says what was set and what to check.</source>
        <translation>يبحث عن مدينتك باسمها في قاعدة بيانات مدن العالم (بأي لغة تعرفها) ويملأ المدينة والبلد وخط العرض وخط الطول والمنطقة الزمنية، والتوقيت الصيفي من المنطقة الزمنية للمدينة. ويبقى الارتفاع كما هو. ويبيّن سطر تحت المربع ما ضُبط وما ينبغي التحقق منه.</translation>
    </message>
    <message>
        <source>Plays the file Azan.wav from the program&apos;s folder (~/.config/kestrivane with the launcher) when an azan alarm comes. Without that file, or when it cannot be played, the alarm plays a short chime instead.</source>
        <translation>يشغّل الملف Azan.wav من مجلد البرنامج (~/.config/kestrivane مع برنامج الإطلاق) حين يحين تنبيه الأذان. وإذا لم يوجد هذا الملف أو تعذّر تشغيله، يُصدر التنبيه رنينًا قصيرًا بدلًا منه.</translation>
    </message>
    <message>
        <source>Type part of the city&apos;s name, in English or another language the city database knows; capitals and accents do not matter. The list below shows the matching cities, best matches first.</source>
        <translation>اكتب جزءًا من اسم المدينة، بالإنجليزية أو بلغة أخرى تعرفها قاعدة بيانات المدن؛ ولا يهم حجم الأحرف ولا علامات التشكيل. وتعرض القائمة أدناه المدن المطابقة، الأكثر تطابقًا أولًا.</translation>
    </message>
    <message>
        <source>The cities whose name holds what you typed, with their country. Double-click one, or select it and press OK, to fill in Define Location with it.</source>
        <translation>المدن التي يتضمن اسمها ما كتبته، مع بلدانها. انقر إحداها نقرًا مزدوجًا، أو حددها واضغط &quot;موافق&quot;، لتملأ بها &quot;تحديد الموقع&quot;.</translation>
    </message>
    <message>
        <source>Options menu: &quot;Preferences ...&quot; sets the clock and the way the times are computed ({0x20082}). &quot;Calculation Method...&quot; chooses the program&apos;s own arithmetic or the published rules of an authority ({0x2008f}). &quot;Location ...&quot; sets the place, its time zone and daylight saving time ({0x20086}). &quot;Alarms ...&quot; switches the azan alarms on and sets their times, the iqamah delay, the sound and the message recipients ({0x20089}). &quot;Hijri Date...&quot; shows the Hijri date beside today&apos;s date ({0x20090}). &quot;Month Timetable ...&quot; makes a printable table of one month.</source>
        <translation>قائمة الخيارات: &quot;التفضيلات ...&quot; يضبط الساعة وطريقة حساب الأوقات ({0x20082}). &quot;طريقة الحساب...&quot; يختار بين حساب البرنامج الخاص والقواعد المنشورة لإحدى الهيئات ({0x2008f}). &quot;الموقع ...&quot; يضبط المكان ومنطقته الزمنية والتوقيت الصيفي ({0x20086}). &quot;التنبيهات ...&quot; يفعّل تنبيهات الأذان ويضبط أوقاتها وتأخير الإقامة والصوت ومستلمي الرسائل ({0x20089}). &quot;التاريخ الهجري...&quot; يعرض التاريخ الهجري بجانب تاريخ اليوم ({0x20090}). &quot;جدول الشهر ...&quot; ينشئ جدولًا لشهر واحد قابلًا للطباعة.</translation>
    </message>
    <message>
        <source>Your settings are kept in the file Prefs.dat in the program&apos;s working folder (the launcher uses ~/.config/kestrivane). It is written with the defaults (Islamabad) on the first start and saved after every change; copy it to keep your settings. A calculation method, alarms that follow their prayer and the Hijri date&apos;s settings are kept beside it in Kestrivane.ini. The alarm sound is the file Azan.wav in the same folder; it is not shipped, so put a wave file of your choice there under that name (PCM, 8 or 16 bits). Without it the alarm plays a short chime of its own.</source>
        <translation>تُحفظ إعداداتك في الملف Prefs.dat في مجلد عمل البرنامج (يستخدم برنامج الإطلاق المجلد ~/.config/kestrivane). يُكتب الملف بالقيم الافتراضية (إسلام آباد) عند أول تشغيل، ويُحفظ بعد كل تغيير؛ انسخه لتحتفظ بإعداداتك. أما طريقة الحساب والتنبيهات التي تتبع صلاتها وإعدادات التاريخ الهجري فتُحفظ بجانبه في Kestrivane.ini. صوت التنبيه هو الملف Azan.wav في المجلد نفسه؛ وهو لا يأتي مع البرنامج، فضع هناك ملف صوت wave من اختيارك بهذا الاسم (PCM، بدقة 8 أو 16 بت). ومن دونه يُصدر التنبيه رنينًا قصيرًا خاصًا به.</translation>
    </message>
    <message>
        <source>Hijri Date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Calendar: None shows no Hijri date. Umm al-Qura is the calendar of Saudi Arabia, computed in advance from the moon&apos;s conjunction and the time of moonset at Makkah. Tabular (civil) is the arithmetic calendar: months of 30 and 29 days in turn, with 11 leap years in every 30.</source>
        <translation>التقويم: &quot;بدون&quot; لا يعرض أي تاريخ هجري. و&quot;أم القرى&quot; هو تقويم المملكة العربية السعودية، ويُحسب مسبقًا من اقتران القمر ووقت غروبه في مكة المكرمة. و&quot;جدولي (مدني)&quot; هو التقويم الحسابي: أشهر من 30 و29 يومًا بالتناوب، مع 11 سنة كبيسة في كل 30 سنة.</translation>
    </message>
    <message>
        <source>Adjustment: where the month begins with the crescent seen locally, the date may be a day or two away from the calendar&apos;s. Move it by -2 to +2 days to match your mosque&apos;s announcement.</source>
        <translation>التعديل: حيث يبدأ الشهر برؤية الهلال محليًا، قد يختلف التاريخ يومًا أو يومين عن تاريخ التقويم. حرّكه من -2 إلى +2 يوم ليطابق إعلان مسجدك.</translation>
    </message>
    <message>
        <source>With &quot;Hijri date column in the month timetable&quot; ticked, Options &gt; Month Timetable shows each day&apos;s Hijri date after its times. The main window&apos;s date line gives the Hijri date after the Gregorian date, and &quot;Today&quot; here shows what it will be.</source>
        <translation>عند وضع علامة على &quot;عمود التاريخ الهجري في جدول الشهر&quot;، يعرض خيارات &gt; جدول الشهر التاريخ الهجري لكل يوم بعد أوقاته. ويعرض سطر التاريخ في النافذة الرئيسية التاريخ الهجري بعد التاريخ الميلادي، ويبيّن &quot;اليوم&quot; هنا ما سيكون عليه.</translation>
    </message>
    <message>
        <source>OK saves the choice; Cancel keeps the old one.</source>
        <translation>يحفظ &quot;موافق&quot; الاختيار؛ ويُبقي &quot;إلغاء&quot; على الاختيار القديم.</translation>
    </message>
    <message>
        <source>The calendar of the Hijri date: None, Umm al-Qura (Saudi Arabia&apos;s), or the tabular (civil) arithmetic calendar.</source>
        <translation>تقويم التاريخ الهجري: بدون، أو أم القرى (تقويم السعودية)، أو التقويم الحسابي الجدولي (المدني).</translation>
    </message>
    <message>
        <source>Moves the Hijri date by up to two days either way, to follow a local sighting of the new moon.</source>
        <translation>يقدّم التاريخ الهجري أو يؤخّره حتى يومين، ليتبع رؤية الهلال محليًا.</translation>
    </message>
    <message>
        <source>Adds a column with each day&apos;s Hijri date to the month timetable and its printed page.</source>
        <translation>يضيف إلى جدول الشهر وصفحته المطبوعة عمودًا فيه التاريخ الهجري لكل يوم.</translation>
    </message>
    <message>
        <source>Today&apos;s Hijri date by the calendar and adjustment chosen above.</source>
        <translation>التاريخ الهجري لليوم وفق التقويم والتعديل المختارين أعلاه.</translation>
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
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Rabi&apos; al-Thani</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>Jumada al-Ula</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumada al-Akhirah</source>
        <translation>جمادى الآخرة</translation>
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
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>Dhu al-Hijjah</source>
        <translation>ذو الحجة</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>ا&amp;ستعادة</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>التشغيل عند تسجيل ال&amp;دخول</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>خ&amp;روج</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;تصغير</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;Preferences ...</source>
        <translation>ال&amp;تفضيلات ...</translation>
    </message>
    <message>
        <source>&amp;Calculation Method...</source>
        <translation>&amp;طريقة الحساب...</translation>
    </message>
    <message>
        <source>&amp;Location ...</source>
        <translation>ال&amp;موقع ...</translation>
    </message>
    <message>
        <source>&amp;Alarms ...</source>
        <translation>التن&amp;بيهات ...</translation>
    </message>
    <message>
        <source>&amp;Month Timetable ...</source>
        <translation>&amp;جدول الشهر ...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Hijri Date...</source>
        <translation>التاريخ ال&amp;هجري...</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Created default locations file</source>
        <translation>أُنشئ ملف المواقع الافتراضي</translation>
    </message>
    <message>
        <source>WARNING: Alarms will no longer play after exiting.

Do you really wish to quit?</source>
        <translation>تحذير: لن تُشغَّل التنبيهات بعد الخروج.

هل تريد الخروج حقًا؟</translation>
    </message>
    <message>
        <source>This recipient is already in the list.</source>
        <translation>هذا المستلم موجود في القائمة مسبقًا.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>الرجاء إدخال عدد صحيح.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>الرجاء إدخال عدد.</translation>
    </message>
    <message>
        <source>Cannot print.

Printer device context not avaiable.</source>
        <translation>تعذّرت الطباعة.

الطابعة غير متاحة.</translation>
    </message>
    <message>
        <source>Could not change the start at login:
%1: %2</source>
        <translation>تعذّر تغيير التشغيل عند تسجيل الدخول:
%1: %2</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>الرجاء إدخال عدد صحيح بين %1 و%2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>الرجاء إدخال رقم بين %1 و%2.</translation>
    </message>
</context>
<context>
    <name>Method</name>
    <message>
        <source>Classic</source>
        <translation>التقليدية</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>University of Islamic Sciences, Karachi</source>
        <translation>جامعة العلوم الإسلامية، كراتشي</translation>
    </message>
    <message>
        <source>Islamic Society of North America</source>
        <translation>الجمعية الإسلامية لأمريكا الشمالية</translation>
    </message>
    <message>
        <source>Umm al-Qura, Makkah</source>
        <translation>أم القرى، مكة المكرمة</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبي</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>قطر</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>الكويت</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنغافورة</translation>
    </message>
    <message>
        <source>Turkey (Diyanet)</source>
        <translation>تركيا (ديانت)</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>المملكة المغربية</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>معهد الجيوفيزياء، طهران</translation>
    </message>
    <message>
        <source>Moonsighting Committee</source>
        <translation>لجنة رؤية الهلال</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>مخصصة</translation>
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
        <translation>&amp;حول Kestrivane...</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>&apos;Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>maGHrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>&apos;Isha`</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>salle &apos;ala Muhammad</source>
        <translation>صلِّ على محمد</translation>
    </message>
    <message>
        <source>&lt;not set&gt;</source>
        <translation>&lt;غير محدد&gt;</translation>
    </message>
    <message>
        <source>Minimize into task bar
minimize</source>
        <translation>تصغير إلى شريط المهام
تصغير</translation>
    </message>
    <message>
        <source>Edit/define location</source>
        <translation>تعديل/تحديد الموقع</translation>
    </message>
    <message>
        <source>Generate prayer timetable for a month</source>
        <translation>إنشاء جدول مواقيت الصلاة لشهر</translation>
    </message>
    <message>
        <source>Edit Preferences</source>
        <translation>تعديل التفضيلات</translation>
    </message>
    <message>
        <source>Set alarms / recipients</source>
        <translation>ضبط التنبيهات / المستلمين</translation>
    </message>
    <message>
        <source>Start Kestrivane when you log in</source>
        <translation>تشغيل Kestrivane عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>About Kestrivane32</source>
        <translation>حول Kestrivane32</translation>
    </message>
</context>
<context>
    <name>Timetable</name>
    <message>
        <source>Qiblah direction: %1</source>
        <translation>اتجاه القبلة: %1</translation>
    </message>
    <message>
        <source>N</source>
        <translation>شمال</translation>
    </message>
    <message>
        <source>Prayer Timetable for %1</source>
        <translation>جدول مواقيت الصلاة في %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>shurooq</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message>
        <source>Generated by Kestrivane32</source>
        <translation>أُنشئ بواسطة Kestrivane32</translation>
    </message>
    <message>
        <source>, method: %1</source>
        <translation>، الطريقة: %1</translation>
    </message>
    <message>
        <source> (adjusted)</source>
        <translation> (معدّلة)</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>الموقع</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Kestrivane Win32 Application</source>
        <translation>تطبيق Kestrivane لنظام Win32</translation>
    </message>
</context>
</TS>
