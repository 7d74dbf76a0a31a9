#include "SignificationsCartes.h"

namespace lunespiral {

namespace {

// Only the synthesis card of a cross is ever read out, in the band under the spread, so each
// meaning is written as the overall tone of a reading, short enough to sit on two lines of that
// band. At most 246 bytes once in Windows-1252, which leaves the card table room for its NUL.
constexpr std::array<std::string_view, 22> francaises = {
    // 1 Le Bateleur
    "Le temps des commencements. Vous avez en main les outils qu’il faut et l’habileté "
    "pour vous en servir. Osez prendre l’initiative\u00A0: la situation répond à qui agit "
    "avec adresse et confiance.",
    // 2 La Papesse
    "Sagesse discrète et connaissance intérieure. Le moment invite au recueillement, à "
    "l’étude et à la patience. Ce qui se prépare en silence mûrit sûrement\u00A0: écoutez "
    "votre intuition avant d’agir.",
    // 3 L'Impératrice
    "Intelligence créatrice et rayonnement. Les idées prennent forme, la parole est "
    "claire et persuasive. Une période féconde pour communiquer, séduire et faire grandir "
    "ce qui vous tient à cœur.",
    // 4 L'Empereur
    "Stabilité, autorité et réalisations concrètes. Vous bâtissez sur des bases solides "
    "et gardez la maîtrise de vos affaires. La volonté, bien employée, protège et met "
    "chaque chose à sa place.",
    // 5 Le Pape
    "Bon conseil, transmission et confiance. Une parole sage ou un guide bienveillant "
    "éclaire le chemin. Les engagements pris avec sincérité sont bénis, et la bonté reçue "
    "demande à être partagée.",
    // 6 L'Amoureux
    "L’heure d’un choix du cœur. Plusieurs voies s’offrent à vous et chacune a son "
    "charme. Laissez parler vos sentiments sincères\u00A0: ils vous guideront vers une "
    "union heureuse ou une décision juste.",
    // 7 Le Chariot
    "Élan, victoire et mouvement en avant. Vous tenez les rênes et la route s’ouvre "
    "devant vous. Les efforts engagés portent leurs fruits, pourvu que vous gardiez le "
    "cap d’une main sûre.",
    // 8 La Justice
    "Équilibre, clarté et juste mesure. Chaque chose trouve sa place et chacun reçoit "
    "selon ce qu’il a donné. Le moment est propice aux décisions réfléchies, aux accords "
    "et aux affaires qui se règlent.",
    // 9 L'Hermite
    "Sagesse, prudence et recherche intérieure. Prenez le temps de la réflexion, loin de "
    "l’agitation. La lanterne de l’Hermite éclaire pas à pas\u00A0: ici, la lenteur mène "
    "à une vérité solide et durable.",
    // 10 Roue de Fortune
    "Le cycle tourne et les choses se mettent en mouvement. Une chance se présente, un "
    "changement de situation s’amorce. Accueillez ce renouveau avec souplesse\u00A0: le "
    "destin sourit à qui l’accompagne.",
    // 11 La Force
    "Courage, maîtrise de soi et douce puissance. Vous avez l’énergie de surmonter les "
    "obstacles, non par la violence mais par le calme et la confiance. Votre force "
    "intérieure apprivoise ce qui résiste.",
    // 12 Le Pendu
    "Une pause nécessaire. Les choses semblent suspendues, mais ce temps d’attente change "
    "votre regard. Lâcher prise et voir autrement, c’est préparer une sagesse nouvelle et "
    "un heureux renouveau.",
    // 13 La Mort
    "Transformation profonde. Une page se tourne\u00A0: ce qui a fait son temps s’efface "
    "pour laisser place au neuf. Cette fin dégage le chemin et annonce un renouveau, une "
    "légèreté et une liberté retrouvées.",
    // 14 La Tempérance
    "Harmonie, patience et juste dosage. Les énergies circulent en douceur et les "
    "tensions s’apaisent. Le moment favorise la réconciliation, l’entente et un équilibre "
    "retrouvé pas à pas.",
    // 15 Le Diable
    "Instincts, passions et désirs puissants. Une attirance ou une ambition vous anime "
    "avec intensité. Vécue avec lucidité, cette énergie devient un atout\u00A0: veillez "
    "seulement à ne pas vous laisser enchaîner.",
    // 16 La Maison-Dieu
    "Un bouleversement soudain ébranle ce qui paraissait établi. Les murs devenus trop "
    "étroits tombent et la lumière entre. Ce choc libère\u00A0: il ouvre la voie à une "
    "situation plus vraie et plus saine.",
    // 17 L'Etoile
    "Espoir, inspiration et protection bienveillante. Une lumière guide vos pas et la "
    "confiance renaît. Vos talents sont reconnus, vos souhaits trouvent un écho "
    "favorable\u00A0: laissez-vous porter.",
    // 18 La Lune
    "Rêves, imagination et sensibilité. Tout n’est pas encore clair et les apparences "
    "peuvent tromper. Fiez-vous à votre intuition et laissez mûrir vos émotions\u00A0: la "
    "vérité se dévoilera en son temps.",
    // 19 Le Soleil
    "Joie, réussite et rayonnement. La lumière éclaire votre situation et réchauffe vos "
    "relations. C’est le temps de la clarté, de l’amitié sincère, des succès partagés et "
    "du bonheur simple de vivre.",
    // 20 Le Jugement
    "Renouveau, éveil et appel intérieur. Une nouvelle étape commence\u00A0: une bonne "
    "nouvelle ou une prise de conscience vous libère du passé. Répondez à cet appel, il "
    "vous mène vers une vie plus pleine.",
    // 21 Le Monde
    "Accomplissement et réussite complète. Un cycle s’achève heureusement et vos efforts "
    "sont couronnés. Vous êtes à votre place, en harmonie avec le monde, et de nouveaux "
    "horizons s’ouvrent à vous.",
    // 22 Le Mat
    "Liberté, spontanéité et élan vers l’inconnu. Vous avancez d’un pas léger sur votre "
    "propre chemin. Gardez l’esprit ouvert et un brin de prudence\u00A0: l’aventure "
    "réserve de belles découvertes.",
};

constexpr std::array<std::string_view, 22> anglaises = {
    // 1 The Magician
    "A TIME OF BEGINNINGS. YOU HOLD THE TOOLS YOU NEED AND THE SKILL TO USE THEM. TAKE "
    "THE INITIATIVE: LIFE ANSWERS THOSE WHO ACT WITH CONFIDENCE.",
    // 2 The High Priestess
    "QUIET WISDOM AND INNER KNOWLEDGE. A TIME FOR REFLECTION, STUDY AND PATIENCE. WHAT "
    "RIPENS IN SILENCE RIPENS WELL: TRUST YOUR INTUITION BEFORE YOU ACT.",
    // 3 The Empress
    "CREATIVE INTELLIGENCE AND RADIANCE. IDEAS TAKE SHAPE AND YOUR WORDS CARRY "
    "CONVICTION. A FERTILE TIME TO SPEAK OUT, TO CHARM AND TO HELP THINGS GROW.",
    // 4 The Emperor
    "STABILITY, AUTHORITY AND SOLID ACHIEVEMENT. YOU BUILD ON FIRM GROUND AND STAY IN "
    "COMMAND. WILLPOWER, WISELY USED, PUTS EVERYTHING IN ITS PLACE.",
    // 5 The Pope
    "GOOD COUNSEL, TEACHING AND TRUST. A WISE WORD OR A KINDLY GUIDE LIGHTS THE WAY. "
    "PROMISES MADE IN GOOD FAITH ARE BLESSED, AND KINDNESS IS PASSED ON.",
    // 6 The Lover
    "A CHOICE OF THE HEART. SEVERAL PATHS OPEN BEFORE YOU, EACH WITH ITS CHARM. LET YOUR "
    "TRUE FEELINGS SPEAK: THEY WILL LEAD YOU TO A HAPPY UNION.",
    // 7 The Chariot
    "MOMENTUM, VICTORY AND FORWARD MOVEMENT. YOU HOLD THE REINS AND THE ROAD OPENS AHEAD. "
    "YOUR EFFORTS BEAR FRUIT IF YOU KEEP A STEADY HAND.",
    // 8 Justice
    "BALANCE, CLARITY AND FAIR MEASURE. EVERYTHING FINDS ITS PLACE AND WE REAP WHAT WE "
    "HAVE SOWN. A GOOD TIME FOR WISE DECISIONS AND AGREEMENTS.",
    // 9 The Hermit
    "WISDOM, PRUDENCE AND THE SEARCH WITHIN. TAKE TIME TO THINK, AWAY FROM THE BUSTLE. "
    "THE HERMIT’S LANTERN LEADS, STEP BY STEP, TO A LASTING TRUTH.",
    // 10 Wheel of Fortune
    "THE WHEEL TURNS AND THINGS START TO MOVE. AN OPPORTUNITY ARISES, A NEW CHAPTER "
    "BEGINS. WELCOME THE CHANGE: FORTUNE FAVOURS THOSE WHO MOVE WITH IT.",
    // 11 Force
    "COURAGE, SELF-MASTERY AND GENTLE STRENGTH. YOU CAN OVERCOME OBSTACLES, NOT BY FORCE "
    "BUT WITH CALM CONFIDENCE. INNER STRENGTH TAMES WHAT RESISTS.",
    // 12 Hanged Man
    "A NECESSARY PAUSE. THINGS SEEM TO HANG IN THE BALANCE, YET THIS WAIT CHANGES YOUR "
    "VIEW. LETTING GO AND SEEING ANEW PREPARES A WISER, FRESHER START.",
    // 13 Death
    "DEEP TRANSFORMATION. A PAGE IS TURNING: WHAT HAS HAD ITS DAY FADES TO MAKE ROOM FOR "
    "THE NEW. THIS ENDING CLEARS THE WAY FOR RENEWAL AND FREEDOM.",
    // 14 Temperance
    "HARMONY, PATIENCE AND THE RIGHT MEASURE. ENERGIES FLOW GENTLY AND TENSIONS EASE. A "
    "TIME FOR RECONCILIATION AND A BALANCE FOUND STEP BY STEP.",
    // 15 The Devil
    "INSTINCT, PASSION AND POWERFUL DESIRES. AN ATTRACTION OR AN AMBITION DRIVES YOU. "
    "LIVED WITH A CLEAR HEAD, THIS ENERGY IS AN ASSET; JUST DON’T LET IT BIND YOU.",
    // 16 Destruction Tower
    "A SUDDEN UPHEAVAL SHAKES WHAT SEEMED SETTLED. WALLS GROWN TOO NARROW FALL AND LIGHT "
    "POURS IN. THIS SHOCK FREES YOU FOR A TRUER, HEALTHIER LIFE.",
    // 17 The Star
    "HOPE, INSPIRATION AND KINDLY PROTECTION. A LIGHT GUIDES YOUR STEPS AND CONFIDENCE "
    "RETURNS. YOUR GIFTS ARE SEEN AND YOUR WISHES ARE WARMLY MET.",
    // 18 The Moon
    "DREAMS, IMAGINATION AND SENSITIVITY. NOT ALL IS CLEAR YET AND APPEARANCES MAY "
    "DECEIVE. TRUST YOUR INTUITION: THE TRUTH WILL COME TO LIGHT IN TIME.",
    // 19 The Sun
    "JOY, SUCCESS AND WARMTH. LIGHT SHINES ON YOUR LIFE AND WARMS YOUR BONDS. A TIME OF "
    "CLARITY, TRUE FRIENDSHIP, SHARED SUCCESS AND SIMPLE HAPPINESS.",
    // 20 Judgement
    "RENEWAL, AWAKENING AND AN INNER CALL. A NEW CHAPTER BEGINS: GOOD NEWS OR A SUDDEN "
    "INSIGHT FREES YOU FROM THE PAST AND OPENS A FULLER LIFE.",
    // 21 The World
    "FULFILMENT AND COMPLETE SUCCESS. A CYCLE COMES TO A HAPPY CLOSE AND YOUR EFFORTS ARE "
    "CROWNED. IN HARMONY WITH THE WORLD, YOU SEE NEW HORIZONS.",
    // 22 The Fool
    "FREEDOM, SPONTANEITY AND A LEAP INTO THE UNKNOWN. YOU SET OFF TRAVELLING LIGHT, ON "
    "YOUR OWN ROAD. KEEP AN OPEN MIND AND A LITTLE CAUTION.",
};

} // namespace

const std::array<std::string_view, 22>& significationsFrancaises() {
    return francaises;
}

const std::array<std::string_view, 22>& significationsAnglaises() {
    return anglaises;
}

} // namespace lunespiral
