<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>Alarm</name>
    <message>
        <source>Could not install timer for Alarm.
No alarm will be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not install timer for Alarm.
No more alarms will be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 azan at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 iqama at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 prayer at %2 Insha Allah.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go for %1 prayer NOW!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Date</name>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>What&apos;s This? (Shift+F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Location </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Prayer Times </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shurooq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>`asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maGHrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>`ishaa&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next alarm :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kestrivane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrivane32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Rules (angles in degrees below the horizon) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fajr angle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maghri&amp;b angle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;&amp;Isha angle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or Maghrib + mi&amp;nutes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rounding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truncate
Nearest
Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High la&amp;titudes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seventh of the night
Middle of the night
Angle-based</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Adjustments (minutes) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa&amp;jr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shurooq:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zuhr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;&amp;Asr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ghrib:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Is&amp;ha:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Today </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Isha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First
Second
Third
Forth
Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday
Monday
Tuesday
Wednesday
Thursday
Friday
Saturday</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Time Format </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;12 Hr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;24 Hr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fiqh (for Asr time calc) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Shafe&apos;i (shadow = 1x length)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hanafi (shadow = 2x length)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight angle (degrees):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;fajr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Isha`:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation &amp;Method...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Location Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Countr&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;atitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North
South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East
West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ltitude (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time  
&amp;Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;Daylight Savings time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;figure ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;weekday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>da&amp;te:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weekda&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i&amp;n:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Alarms </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azan On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azaan Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iqamah delay (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>`&amp;asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;maGHrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>`&amp;ishaa&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play Azan sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recipients ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List of Recipients :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure Daylight Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azan Recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month Prayer Timetable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Month ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Azan.wav in the settings folder: alarms play a chime instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azan.wav cannot be played: alarms play a chime instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Kestrivane Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What&apos;s This?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Help topic is associated with this item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrivane computes the times of the five daily prayers for one place and reminds you of them. The main window shows today&apos;s date, your location and the six times: Fajr (dawn), Shurooq (sunrise), Zuhr (noon), &apos;Asr (afternoon), Maghrib (sunset) and &apos;Isha (night), and the next alarm. Two seconds after the start it hides in the notification area; click its icon to bring it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options menu: &quot;Preferences ...&quot; sets the clock and the way the times are computed ({0x20082}). &quot;Calculation Method...&quot; chooses the program&apos;s own arithmetic or the published rules of an authority ({0x2008f}). &quot;Location ...&quot; sets the place, its time zone and daylight saving time ({0x20086}). &quot;Alarms ...&quot; switches the azan alarms on and sets their times, the iqamah delay, the sound and the message recipients ({0x20089}). &quot;Month Timetable ...&quot; makes a printable table of one month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on a single field: click it and press F1, or press Shift+F1 (or the small &quot;?&quot; button in a dialog) and then click the field. In the main window and in Azan Recipients a right-click on a field offers &quot;What&apos;s This?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings are kept in the file Prefs.dat in the program&apos;s working folder (the launcher uses ~/.config/kestrivane). It is written with the defaults (Islamabad) on the first start and saved after every change; copy it to keep your settings. A calculation method and alarms that follow their prayer are kept beside it in Kestrivane.ini. The alarm sound is the file Azan.wav in the same folder; it is not shipped, so put a wave file of your choice there under that name (PCM, 8 or 16 bits). Without it the alarm plays a short chime of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The icon&apos;s menu in the notification area offers the Options commands too, so the settings can be changed without bringing the window back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Format: &quot;12 Hr.&quot; shows times like 5:30 A.M. and 1:30 P.M.; &quot;24 Hr.&quot; shows 05:30 and 13:30. The choice applies to the main window, the alarm messages and the Set Alarms lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiqh (for Asr time calc): the school of law decides when &apos;Asr begins. Shafe&apos;i: when an object&apos;s shadow is as long as the object (plus its shadow at noon). Hanafi: when the shadow is twice as long. Hanafi gives the later &apos;Asr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight angle: how far the sun is below the horizon, in whole degrees from 11 to 24, at Fajr (dawn) and at the end of &apos;Isha twilight. A larger angle gives an earlier Fajr and a later &apos;Isha. 18 degrees is a common choice for both; some places use 15. Ask your local mosque which angles it follows. The angles count for the Classic method; another method brings its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Calculation Method...&quot; opens the choice of method ({0x2008f}); it is kept when you press OK here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK recomputes today&apos;s times with the new settings and saves them; Cancel keeps the old ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City and Country are only names for the display. Latitude is 0 to 90 degrees and 0 to 59 minutes, North or South; longitude is 0 to 180 degrees and 0 to 59 minutes, East or West. Altitude is in metres above sea level, 0 to 65535. Time Zone is your standard time&apos;s offset from Greenwich in hours, from -12 to 14, east positive, for example 5 for Pakistan, 5.5 for India or -5 for New York.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick &quot;Use Daylight Savings time&quot; if the clocks move forward in summer there, and press &quot;Configure ...&quot; to say when that starts and ends. Each can be a fixed date (day and month) or a weekday of a month, such as the last Sunday of March.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each prayer row shows today&apos;s time. Tick its box to switch the azan alarm on and choose the azan time from the list. The list begins with &quot;At ... time&quot; and &quot;... + 5&quot; to &quot;... + 60&quot;: such an alarm follows its prayer, ringing every day at that day&apos;s time plus the minutes chosen. Then come fixed times after the prayer time, every 15 minutes (every 5 minutes for Maghrib), ending at the next prayer. When the azan time comes, the window caption and the tray icon flash, the sound plays if &quot;Play Azan sound&quot; is ticked, and the message is shown and sent to the recipients.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The iqamah delay (5 to 59 minutes) is the time from the azan to the iqamah, when the prayer starts; a second alarm, &quot;Go for ... prayer NOW!&quot;, comes then. Click the window or the tray icon to stop a flashing alarm. When Azan.wav is missing or cannot be played, a line under the alarms says so and the alarm plays a chime instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Recipients ...&quot; lists the login names to which every alarm message is also sent over the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic is the program&apos;s own arithmetic with the twilight angles of Preferences. The other methods are the published rules of an authority: the sun&apos;s angle below the horizon at Fajr and at &apos;Isha (or &apos;Isha a fixed time after Maghrib), the authority&apos;s own minute adjustments and how it rounds. Choose the one your mosque or your country&apos;s authority follows; Custom lets you set every rule yourself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High latitudes: where twilight does not end on summer nights, Fajr and &apos;Isha are taken from a share of the night: a seventh, the middle of the night, or a share by the angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustments add or take up to 30 minutes from single prayers, on top of any method. &quot;Today&quot; shows today&apos;s six times as you choose. OK uses the method everywhere: the main window, the alarms and the month timetable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shafe&apos;i: &apos;Asr begins when an object&apos;s shadow is as long as the object itself (plus its shadow at noon).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hanafi: &apos;Asr begins when an object&apos;s shadow is twice as long as the object (plus its shadow at noon). This gives a later &apos;Asr than the Shafe&apos;i rule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12-hour clock: times are shown like 5:30 A.M. and 1:30 P.M.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24-hour clock: times are shown like 05:30 and 13:30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sun&apos;s angle below the horizon at Fajr (dawn), 11 to 24 degrees. A larger angle gives an earlier Fajr. Example: 18.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sun&apos;s angle below the horizon at which &apos;Isha begins, 11 to 24 degrees. A larger angle gives a later &apos;Isha. Example: 18.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees, 0 to 90. Choose North or South on the right. Example: Islamabad lies at 33 degrees 40 minutes North.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees, 0 to 180. Choose East or West on the right. Example: Islamabad lies at 73 degrees 10 minutes East.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your standard time&apos;s offset from Greenwich (UTC) in hours, -12 to 14, east positive, without daylight saving. Half hours are written with a decimal point. Examples: 5 for Pakistan, 5.5 for India, -5 for New York.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height above sea level in metres, 0 to 65535. A high place sees the sun rise a little earlier and set a little later. Example: 550.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the city, shown in the main window and the timetable. It does not change the times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the country, shown in the main window and the timetable. It does not change the times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick this if the clocks at your location move forward in summer. The times are then shown one hour later between the start and the end set with &quot;Configure ...&quot;. Unticking keeps the start and end for later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets when daylight saving time starts and ends at your location. Available while &quot;Use Daylight Savings time&quot; is ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes, 0 to 59 (60 minutes make one degree). Example: 40 for 33 degrees 40 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes, 0 to 59 (60 minutes make one degree). Example: 10 for 73 degrees 10 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North for places north of the equator, South for places south of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East for places east of Greenwich, West for places west of it (the Americas).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month in which daylight saving time ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time starts on a fixed day of the month, given in the field on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time starts on a weekday of the month, such as the last Sunday of March.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time ends on a fixed day of the month, given in the field on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of the month on which daylight saving time ends, 1 to 31. Example: 30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving time ends on a weekday of the month, such as the last Sunday of October.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which of that weekday in the month ends daylight saving time: First, Second, Third, Forth or Last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The weekday on which daylight saving time ends, Sunday to Saturday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month in which daylight saving time starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The day of the month on which daylight saving time starts, 1 to 31. Example: 31.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which of that weekday in the month starts daylight saving time: First, Second, Third, Forth or Last.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The weekday on which daylight saving time starts, Sunday to Saturday.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick to switch on the Fajr azan alarm at the time chosen on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick to switch on the Zuhr azan alarm at the time chosen on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick to switch on the &apos;Asr azan alarm at the time chosen on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick to switch on the Maghrib azan alarm at the time chosen on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick to switch on the &apos;Isha azan alarm at the time chosen on the right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Fajr azan time: every 15 minutes from just after today&apos;s Fajr time until sunrise (Shurooq).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Zuhr azan time: every 15 minutes from just after today&apos;s Zuhr time until &apos;Asr, at most eight choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &apos;Asr azan time: every 15 minutes from just after today&apos;s &apos;Asr time until Maghrib, at most eight choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Maghrib azan time: every 5 minutes from just after sunset until &apos;Isha, at most eight choices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &apos;Isha azan time: every 15 minutes from just after today&apos;s &apos;Isha time, eight choices, none past midnight.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from the Fajr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 20.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from the Zuhr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from the &apos;Asr azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from the Maghrib azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from the &apos;Isha azan to the iqamah, 5 to 59. A second alarm reminds you then. Example: 15.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The login names that also receive every alarm message over the network. Changes made there are kept even if you then press Cancel here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays the file Azan.wav from the program&apos;s folder (~/.config/kestrivane with the launcher) when an azan alarm comes. Without that file the alarm is silent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latitude of your location, in degrees and minutes, N or S. Change it with Options, Location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longitude of your location, in degrees and minutes, E or W. Change it with Options, Location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time zone of your location in hours from Greenwich, east positive. Change it with Options, Location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The altitude of your location in metres. Change it with Options, Location.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The people who receive the alarm messages, in alphabetical order. Select one or more (Ctrl or Shift and click) to remove them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A user or login name to add, such as AHMED. Letters become capitals. The name must reach the colleague&apos;s machine on the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the name typed above to the list. A name already in the list, in any letter case, is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected names from the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculation Method...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Location ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarms ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month Timetable ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Created default locations file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING: Alarms will no longer play after exiting.

Do you really wish to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This recipient is already in the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print.

Printer device context not avaiable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not change the start at login:
%1: %2</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shurooq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maGHrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;Isha`</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>salle &apos;ala Muhammad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;not set&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize into task bar
minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit/define location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate prayer timetable for a month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set alarms / recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Kestrivane when you log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kestrivane32</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
