<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>Velmora</name>
    <message>
        <source>Month</source>
        <translation>மாதம்</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>அச்சிடு (&amp;P)…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>PDF ஆகச் சேமி (&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>மூடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>செல் (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>முந்தைய மாதம் (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>அடுத்த மாதம் (&amp;N)</translation>
    </message>
    <message>
        <source>Previous &amp;Year</source>
        <translation>முந்தைய ஆண்டு (&amp;Y)</translation>
    </message>
    <message>
        <source>Next Y&amp;ear</source>
        <translation>அடுத்த ஆண்டு (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Open the Day</source>
        <translation>நாளைத் திற (&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>இடம் (&amp;L):</translation>
    </message>
    <message>
        <source>City, state, country</source>
        <translation>நகரம், மாநிலம், நாடு</translation>
    </message>
    <message>
        <source>Previous month (Alt+Left)</source>
        <translation>முந்தைய மாதம் (Alt+←)</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>ஆண்டு</translation>
    </message>
    <message>
        <source>Next month (Alt+Right)</source>
        <translation>அடுத்த மாதம் (Alt+→)</translation>
    </message>
    <message>
        <source>Arrows: day and week · Page Up/Down: month · Ctrl+Page Up/Down: year · Enter: open the day</source>
        <translation>அம்புகள்: நாள், வாரம் · Page Up/Down: மாதம் · Ctrl+Page Up/Down: ஆண்டு · Enter: நாளைத் திற</translation>
    </message>
    <message>
        <source>Print the month</source>
        <translation>மாதத்தை அச்சிடு</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>மாதத்தை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Close the calendar</source>
        <translation>நாட்காட்டியை மூடு</translation>
    </message>
    <message>
        <source>Places cannot be looked up in this build.</source>
        <translation>இந்தப் பதிப்பில் இடங்களைத் தேட முடியாது.</translation>
    </message>
    <message>
        <source>Do you wish to know if the current time is good for traveling? Or starting a new business venture. Consult the Velmora software and get your answers today.</source>
        <translation>இப்போதைய நேரம் பயணத்துக்கு நல்லதா? புதிய தொழில் தொடங்க உகந்ததா? வெல்மோரா மென்பொருளைக் கேட்டு இன்றே பதில் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>இந்த மென்பொருளில் உங்கள் தளத்தின் பெயரைச் சேர்க்கவும். உங்கள் தளத்தின் மீதான நம்பிக்கையையும் வருகையையும் கூட்டுங்கள். உங்கள் தளத்தின் பெயரையும் இணைப்பையும் இங்கே வையுங்கள். விவரங்களுக்கு &quot;உதவி&quot; பார்க்கவும்.    இணை முத்திரை பற்றி மேலும் அறிய இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு. உங்கள் சொந்த இணையத் தொழிலைத் தொடங்கி இணையத்தில் சம்பாதியுங்கள். இந்த மென்பொருளை முழுவதும் உங்கள் இணையதளத்தின் பெயரில் பெறுங்கள். மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>Join the discussion in our online forum at %1</source>
        <translation>எங்கள் இணைய மன்றம் %1 இல் உரையாடலில் சேருங்கள்</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம் (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைப் பார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் வருமானம் (&amp;O)</translation>
    </message>
    <message>
        <source>No place called “%1” was found.</source>
        <translation>“%1” என்ற இடம் கிடைக்கவில்லை.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 ஐப் பார்க்க இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Version %1. Free software under the GNU General Public License, version 3 or later. Places offline from GeoNames (geonames.org), licensed under CC BY 4.0.</source>
        <translation>பதிப்பு %1. GNU பொது மக்கள் உரிமம், பதிப்பு 3 அல்லது அதற்குப் பிந்தையதன் கீழ் கட்டற்ற மென்பொருள். இடங்கள் இணைப்பின்றி GeoNames (geonames.org) இலிருந்து, CC BY 4.0 உரிமத்தின் கீழ்.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>Get My Panchang Results</source>
        <translation>என் பஞ்சாங்கத்தைக் காட்டு</translation>
    </message>
    <message>
        <source>Month &amp;Calendar…</source>
        <translation>மாத நாட்காட்டி (&amp;C)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு (&amp;X)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>கேள்வி தேதி</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>மணி:நிமி:வினாடி</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>கேள்வி நேரம்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை &amp;&amp; தீர்க்கரேகையைக் கண்டறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>பாகை</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>நிமிடம்</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>மணி</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>கோடை நேரம்</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>நேர மண்டல உதவி</translation>
    </message>
    <message>
        <source>Velmora is a ready to use Vedic almanac software. A Panchang is an ancient scientific Vedic calendar that helps you find the best time and date for auspicious activities. The word comes from Sanskrit, in which Panch means five and Ang means aspect: the five aspects are the weekday (vara), the lunar mansion (nakshatra), the lunar day (tithi), the joined motion of Sun and Moon (yoga) and the half lunar day (karana). A Panchang is made up of five parts and is based on the lunar calendar.</source>
        <translation>வெல்மோரா உடனே பயன்படுத்தக்கூடிய வேத பஞ்சாங்க மென்பொருள். பஞ்சாங்கம் என்பது சுப காரியங்களுக்கு ஏற்ற நேரத்தையும் நாளையும் கண்டறிய உதவும் பழமையான அறிவியல் வேத நாட்காட்டி. இச்சொல் சம்ஸ்கிருதத்திலிருந்து வந்தது; பஞ்ச என்றால் ஐந்து, அங்கம் என்றால் உறுப்பு: அந்த ஐந்து உறுப்புகள் வாரம், நட்சத்திரம், திதி, யோகம் (சூரியன், சந்திரனின் கூட்டு இயக்கம்), கரணம் (அரைத் திதி). பஞ்சாங்கம் ஐந்து உறுப்புகளால் ஆனது; சந்திர நாட்காட்டியை அடிப்படையாகக் கொண்டது.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>வீட்டிலிருந்தே தொழில் வாய்ப்பு. உங்கள் சொந்த இணையத் தொழிலைத் தொடங்கி இணையத்தில் சம்பாதியுங்கள். இந்த மென்பொருளை முழுவதும் உங்கள் இணையதளத்தின் பெயரில் பெறுங்கள்.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>அறிக்கையை நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>Month Ca&amp;lendar…</source>
        <translation>மாத நாட்காட்டி (&amp;L)…</translation>
    </message>
    <message>
        <source>Vaar</source>
        <translation>வாரம்</translation>
    </message>
    <message>
        <source>Day Of Birth</source>
        <translation>பிறந்த கிழமை</translation>
    </message>
    <message>
        <source>Alternate Name</source>
        <translation>மாற்றுப் பெயர்</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>அதிபதி</translation>
    </message>
    <message>
        <source>About Your Vaar</source>
        <translation>உங்கள் வாரம் பற்றி</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>நட்சத்திரம்</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>வகை</translation>
    </message>
    <message>
        <source>Nakshatra Characterstic</source>
        <translation>நட்சத்திரத்தின் இயல்பு</translation>
    </message>
    <message>
        <source>About Your Nakshatra</source>
        <translation>உங்கள் நட்சத்திரம் பற்றி</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>Syllable</source>
        <translation>எழுத்து</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>பாதம்</translation>
    </message>
    <message>
        <source>Pada Time</source>
        <translation>பாத நேரம்</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>சந்திர ராசி</translation>
    </message>
    <message>
        <source>Moon Sign Time</source>
        <translation>சந்திர ராசி நேரம்</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>சூரிய ராசி</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>திதி</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>எண்</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>பட்சம்</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>திதி வகை</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>திதியின் இயல்புகள்</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>திதியின் தன்மை</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>இயல்பு</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>யோகம்</translation>
    </message>
    <message>
        <source>About Your Yoga</source>
        <translation>உங்கள் யோகம் பற்றி</translation>
    </message>
    <message>
        <source>Karna</source>
        <translation>கரணம்</translation>
    </message>
    <message>
        <source>Karna :-</source>
        <translation>கரணம் :-</translation>
    </message>
    <message>
        <source>Time :-</source>
        <translation>நேரம் :-</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>நாள்</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>உங்கள் விவரங்கள்</translation>
    </message>
    <message>
        <source>Date of Query:</source>
        <translation>கேள்வி தேதி:</translation>
    </message>
    <message>
        <source>Time of Query:</source>
        <translation>கேள்வி நேரம்:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>தீர்க்கரேகை:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>அட்சரேகை:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>நகரம்:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>மாநிலம்:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>நாடு:</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>Save the Report as PDF</source>
        <translation>அறிக்கையை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF கோப்புகள் (*.pdf)</translation>
    </message>
    <message>
        <source>Print the Report</source>
        <translation>அறிக்கையை அச்சிடு</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>மூடு (&amp;Q)</translation>
    </message>
    <message>
        <source>S&amp;olar:</source>
        <translation>சூரிய (&amp;O):</translation>
    </message>
    <message>
        <source>Solar calendar</source>
        <translation>சூரிய நாட்காட்டி</translation>
    </message>
    <message>
        <source>None</source>
        <translation>எதுவுமில்லை</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>தமிழ்</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>மலையாளம்</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>வங்காளம்</translation>
    </message>
    <message>
        <source>Day (sunrise to sunset)</source>
        <translation>பகல் (உதயம் முதல் அஸ்தமனம் வரை)</translation>
    </message>
    <message>
        <source>Night (to the next sunrise)</source>
        <translation>இரவு (அடுத்த உதயம் வரை)</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>சௌகடியா</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>ஹோரை</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>கௌரி</translation>
    </message>
    <message>
        <source>T tarabalam, C chandrabalam (✓ good, ✗ bad)</source>
        <translation>T தாரா பலம், C சந்திர பலம் (✓ நல்லது, ✗ தீயது)</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>பாணி (&amp;S):</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>தென் இந்திய</translation>
    </message>
    <message>
        <source>&amp;Rahu:</source>
        <translation>ராகு (&amp;R):</translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation>சராசரி கணு</translation>
    </message>
    <message>
        <source>True node</source>
        <translation>ஸ்புட கணு</translation>
    </message>
    <message>
        <source>Dasha balance at birth:</source>
        <translation>பிறப்பின்போது மீதமுள்ள தசை:</translation>
    </message>
    <message>
        <source>Dasha now:</source>
        <translation>நடப்பு தசை:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>அடுத்த தசை:</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>ஜாதகம்</translation>
    </message>
    <message>
        <source>Previous year (Alt+Page Up)</source>
        <translation>முந்தைய ஆண்டு (Alt+Page Up)</translation>
    </message>
    <message>
        <source>Next year (Alt+Page Down)</source>
        <translation>அடுத்த ஆண்டு (Alt+Page Down)</translation>
    </message>
    <message>
        <source>Save the Month as PDF</source>
        <translation>மாதத்தை PDF ஆகச் சேமி</translation>
    </message>
    <message>
        <source>Print the Month</source>
        <translation>மாதத்தை அச்சிடு</translation>
    </message>
    <message>
        <source>CALENDAR DAY</source>
        <translation>நாள்காட்டி நாள்</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>பஞ்சாங்க அங்கங்கள்</translation>
    </message>
</context>
</TS>
