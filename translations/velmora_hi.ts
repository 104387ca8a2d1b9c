<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>Velmora</name>
    <message>
        <source>Month</source>
        <translation>महीना</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>छापें (&amp;P)…</translation>
    </message>
    <message>
        <source>Save as P&amp;DF…</source>
        <translation>PDF के रूप में सहेजें (&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>जाएँ (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Previous Month</source>
        <translation>पिछला महीना (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Next Month</source>
        <translation>अगला महीना (&amp;N)</translation>
    </message>
    <message>
        <source>Previous &amp;Year</source>
        <translation>पिछला वर्ष (&amp;Y)</translation>
    </message>
    <message>
        <source>Next Y&amp;ear</source>
        <translation>अगला वर्ष (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Open the Day</source>
        <translation>दिन खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>P&amp;lace:</source>
        <translation>स्थान (&amp;L):</translation>
    </message>
    <message>
        <source>City, state, country</source>
        <translation>शहर, राज्य, देश</translation>
    </message>
    <message>
        <source>Previous month (Alt+Left)</source>
        <translation>पिछला महीना (Alt+←)</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Next month (Alt+Right)</source>
        <translation>अगला महीना (Alt+→)</translation>
    </message>
    <message>
        <source>Arrows: day and week · Page Up/Down: month · Ctrl+Page Up/Down: year · Enter: open the day</source>
        <translation>तीर: दिन और सप्ताह · Page Up/Down: महीना · Ctrl+Page Up/Down: वर्ष · Enter: दिन खोलें</translation>
    </message>
    <message>
        <source>Print the month</source>
        <translation>महीना छापें</translation>
    </message>
    <message>
        <source>Save the month as PDF</source>
        <translation>महीना PDF में सहेजें</translation>
    </message>
    <message>
        <source>Close the calendar</source>
        <translation>कैलेंडर बंद करें</translation>
    </message>
    <message>
        <source>Places cannot be looked up in this build.</source>
        <translation>इस संस्करण में स्थान नहीं खोजे जा सकते।</translation>
    </message>
    <message>
        <source>Do you wish to know if the current time is good for traveling? Or starting a new business venture. Consult the Velmora software and get your answers today.</source>
        <translation>क्या आप जानना चाहते हैं कि अभी का समय यात्रा के लिए शुभ है? या नया व्यवसाय शुरू करने के लिए? वेलमोरा सॉफ़्टवेयर से पूछें और आज ही उत्तर पाएँ।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर पर अपनी साइट का नाम जोड़ें। अपनी साइट के प्रति निष्ठा और आवागमन बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ। विवरण के लिए &quot;सहायता&quot; देखें।    सह-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Join the discussion in our online forum at %1</source>
        <translation>हमारे ऑनलाइन फ़ोरम %1 पर चर्चा में भाग लें</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर का नया संस्करण देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान करें (&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई (&amp;O)</translation>
    </message>
    <message>
        <source>No place called “%1” was found.</source>
        <translation>“%1” नाम का कोई स्थान नहीं मिला।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Version %1. Free software under the GNU General Public License, version 3 or later. Places offline from GeoNames (geonames.org), licensed under CC BY 4.0.</source>
        <translation>संस्करण %1। GNU जनरल पब्लिक लाइसेंस, संस्करण 3 या बाद के अंतर्गत मुक्त सॉफ़्टवेयर। स्थान ऑफ़लाइन GeoNames (geonames.org) से, CC BY 4.0 लाइसेंस के अंतर्गत।</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Get My Panchang Results</source>
        <translation>मेरा पंचांग देखें</translation>
    </message>
    <message>
        <source>Month &amp;Calendar…</source>
        <translation>मासिक कैलेंडर (&amp;C)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Query</source>
        <translation>प्रश्न की तारीख</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>घंटा:मिनट:सेकंड</translation>
    </message>
    <message>
        <source>Time of Query</source>
        <translation>प्रश्न का समय</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>ग्रीष्म समय</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>समय क्षेत्र सहायता</translation>
    </message>
    <message>
        <source>Velmora is a ready to use Vedic almanac software. A Panchang is an ancient scientific Vedic calendar that helps you find the best time and date for auspicious activities. The word comes from Sanskrit, in which Panch means five and Ang means aspect: the five aspects are the weekday (vara), the lunar mansion (nakshatra), the lunar day (tithi), the joined motion of Sun and Moon (yoga) and the half lunar day (karana). A Panchang is made up of five parts and is based on the lunar calendar.</source>
        <translation>वेलमोरा उपयोग के लिए तैयार वैदिक पंचांग सॉफ़्टवेयर है। पंचांग एक प्राचीन वैज्ञानिक वैदिक कैलेंडर है जो शुभ कार्यों के लिए सबसे अच्छा समय और तारीख खोजने में सहायता करता है। यह शब्द संस्कृत से आया है, जिसमें पंच का अर्थ पाँच और अंग का अर्थ भाग है: ये पाँच अंग हैं वार, नक्षत्र, तिथि, योग (सूर्य और चन्द्रमा की संयुक्त गति) और करण (आधी तिथि)। पंचांग पाँच अंगों से बना है और चान्द्र कैलेंडर पर आधारित है।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के नाम से पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>रिपोर्ट कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>Month Ca&amp;lendar…</source>
        <translation>मासिक कैलेंडर (&amp;L)…</translation>
    </message>
    <message>
        <source>Vaar</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Day Of Birth</source>
        <translation>जन्म का वार</translation>
    </message>
    <message>
        <source>Alternate Name</source>
        <translation>अन्य नाम</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>About Your Vaar</source>
        <translation>आपके वार के बारे में</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Nakshatra Characterstic</source>
        <translation>नक्षत्र की विशेषता</translation>
    </message>
    <message>
        <source>About Your Nakshatra</source>
        <translation>आपके नक्षत्र के बारे में</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>Syllable</source>
        <translation>अक्षर</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>पद</translation>
    </message>
    <message>
        <source>Pada Time</source>
        <translation>पद का समय</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>चन्द्र राशि</translation>
    </message>
    <message>
        <source>Moon Sign Time</source>
        <translation>चन्द्र राशि का समय</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>संख्या</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>पक्ष</translation>
    </message>
    <message>
        <source>Tithi Group</source>
        <translation>तिथि वर्ग</translation>
    </message>
    <message>
        <source>Tithi Features</source>
        <translation>तिथि की विशेषताएँ</translation>
    </message>
    <message>
        <source>Tithi Type</source>
        <translation>तिथि का प्रकार</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>स्वभाव</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>About Your Yoga</source>
        <translation>आपके योग के बारे में</translation>
    </message>
    <message>
        <source>Karna</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Karna :-</source>
        <translation>करण :-</translation>
    </message>
    <message>
        <source>Time :-</source>
        <translation>समय :-</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>आपका विवरण</translation>
    </message>
    <message>
        <source>Date of Query:</source>
        <translation>प्रश्न की तारीख:</translation>
    </message>
    <message>
        <source>Time of Query:</source>
        <translation>प्रश्न का समय:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>देशांतर:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>अक्षांश:</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>शहर:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>राज्य:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>देश:</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>Save the Report as PDF</source>
        <translation>रिपोर्ट PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF फ़ाइलें (*.pdf)</translation>
    </message>
    <message>
        <source>Print the Report</source>
        <translation>रिपोर्ट छापें</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें (&amp;Q)</translation>
    </message>
    <message>
        <source>S&amp;olar:</source>
        <translation>सौर (&amp;O):</translation>
    </message>
    <message>
        <source>Solar calendar</source>
        <translation>सौर पंचांग</translation>
    </message>
    <message>
        <source>None</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>तमिल</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>मलयालम</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>बंगाली</translation>
    </message>
    <message>
        <source>Day (sunrise to sunset)</source>
        <translation>दिन (सूर्योदय से सूर्यास्त तक)</translation>
    </message>
    <message>
        <source>Night (to the next sunrise)</source>
        <translation>रात (अगले सूर्योदय तक)</translation>
    </message>
    <message>
        <source>Choghadiya</source>
        <translation>चौघड़िया</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Gowri</source>
        <translation>गौरी</translation>
    </message>
    <message>
        <source>T tarabalam, C chandrabalam (✓ good, ✗ bad)</source>
        <translation>T ताराबल, C चन्द्रबल (✓ शुभ, ✗ अशुभ)</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>शैली (&amp;S):</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>&amp;Rahu:</source>
        <translation>राहु (&amp;R):</translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation>मध्यम पात</translation>
    </message>
    <message>
        <source>True node</source>
        <translation>स्पष्ट पात</translation>
    </message>
    <message>
        <source>Dasha balance at birth:</source>
        <translation>जन्म के समय शेष दशा:</translation>
    </message>
    <message>
        <source>Dasha now:</source>
        <translation>वर्तमान दशा:</translation>
    </message>
    <message>
        <source>Next:</source>
        <translation>अगली दशा:</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>कुंडली</translation>
    </message>
    <message>
        <source>Previous year (Alt+Page Up)</source>
        <translation>पिछला वर्ष (Alt+Page Up)</translation>
    </message>
    <message>
        <source>Next year (Alt+Page Down)</source>
        <translation>अगला वर्ष (Alt+Page Down)</translation>
    </message>
    <message>
        <source>Save the Month as PDF</source>
        <translation>महीना PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Print the Month</source>
        <translation>महीना छापें</translation>
    </message>
    <message>
        <source>CALENDAR DAY</source>
        <translation>पंचांग दिवस</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>पंचांग के अंग</translation>
    </message>
</context>
</TS>
