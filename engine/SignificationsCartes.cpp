#include "SignificationsCartes.h"

namespace lunespiral {

namespace {

// Only the synthesis card of a cross is ever read out, in the band under the spread, so each
// meaning is written as the overall tone of a reading. At most 246 bytes once in Windows-1252,
// which leaves the 255-cell field of the card table room for its NUL.
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
    "THE INITIATIVE WITH CONFIDENCE: CIRCUMSTANCES ANSWER THOSE WHO ACT WITH CLEVERNESS "
    "AND A LIGHT TOUCH.",
    // 2 The High Priestess
    "QUIET WISDOM AND INNER KNOWLEDGE. THIS IS A TIME FOR REFLECTION, STUDY AND PATIENCE. "
    "WHAT IS PREPARED IN SILENCE RIPENS WELL, SO LISTEN TO YOUR INTUITION BEFORE YOU "
    "SPEAK OR ACT.",
    // 3 The Empress
    "CREATIVE INTELLIGENCE AND RADIANCE. IDEAS TAKE SHAPE AND YOUR WORDS CARRY "
    "CONVICTION. A FERTILE PERIOD TO COMMUNICATE, TO CHARM AND TO HELP WHAT YOU CARE "
    "ABOUT MOST TO GROW.",
    // 4 The Emperor
    "STABILITY, AUTHORITY AND SOLID ACHIEVEMENT. YOU ARE BUILDING ON FIRM GROUND AND "
    "REMAIN IN COMMAND OF YOUR AFFAIRS. WILLPOWER, WISELY USED, PROTECTS WHAT MATTERS AND "
    "PUTS EVERYTHING IN ITS PLACE.",
    // 5 The Pope
    "GOOD COUNSEL, TEACHING AND TRUST. A WISE WORD OR A KINDLY GUIDE LIGHTS THE WAY. "
    "PROMISES MADE IN GOOD FAITH ARE BLESSED, AND THE KINDNESS YOU RECEIVE ASKS TO BE "
    "PASSED ON.",
    // 6 The Lover
    "A CHOICE OF THE HEART. SEVERAL PATHS OPEN BEFORE YOU AND EACH HAS ITS CHARM. LET "
    "YOUR TRUE FEELINGS SPEAK: THEY WILL LEAD YOU TOWARDS A HAPPY UNION OR THE RIGHT "
    "DECISION.",
    // 7 The Chariot
    "MOMENTUM, VICTORY AND FORWARD MOVEMENT. YOU HOLD THE REINS AND THE ROAD OPENS AHEAD "
    "OF YOU. THE EFFORTS YOU HAVE MADE BEAR FRUIT, AS LONG AS YOU KEEP A STEADY HAND AND "
    "A CLEAR COURSE.",
    // 8 Justice
    "BALANCE, CLARITY AND FAIR MEASURE. EVERYTHING FINDS ITS PLACE AND EACH OF US "
    "RECEIVES WHAT WE HAVE GIVEN. A GOOD TIME FOR CAREFUL DECISIONS, AGREEMENTS AND "
    "MATTERS THAT ARE FINALLY SETTLED.",
    // 9 The Hermit
    "WISDOM, PRUDENCE AND THE SEARCH WITHIN. TAKE TIME TO THINK, AWAY FROM THE BUSTLE. "
    "THE HERMIT’S LANTERN LIGHTS ONE STEP AT A TIME: HERE, GOING SLOWLY LEADS TO A TRUTH "
    "THAT LASTS.",
    // 10 Wheel of Fortune
    "THE WHEEL TURNS AND THINGS START TO MOVE. AN OPPORTUNITY ARISES AND A CHANGE OF "
    "CIRCUMSTANCES BEGINS. WELCOME THIS NEW TURN WITH AN OPEN MIND: FORTUNE FAVOURS THOSE "
    "WHO MOVE WITH IT.",
    // 11 Force
    "COURAGE, SELF-MASTERY AND GENTLE STRENGTH. YOU HAVE THE ENERGY TO OVERCOME "
    "OBSTACLES, NOT BY FORCE BUT THROUGH CALM AND CONFIDENCE. YOUR INNER STRENGTH TAMES "
    "WHATEVER RESISTS YOU.",
    // 12 Hanged Man
    "A NECESSARY PAUSE. THINGS SEEM TO HANG IN THE BALANCE, YET THIS WAITING CHANGES THE "
    "WAY YOU SEE THEM. LETTING GO AND LOOKING FROM ANOTHER ANGLE PREPARES A NEW WISDOM "
    "AND A FRESH START.",
    // 13 Death
    "DEEP TRANSFORMATION. A PAGE IS TURNING: WHAT HAS HAD ITS DAY FADES AWAY TO MAKE ROOM "
    "FOR THE NEW. THIS ENDING CLEARS THE WAY AND BRINGS RENEWAL, LIGHTNESS AND A FREEDOM "
    "REGAINED.",
    // 14 Temperance
    "HARMONY, PATIENCE AND THE RIGHT MEASURE. ENERGIES FLOW GENTLY AND TENSIONS EASE. THE "
    "MOMENT FAVOURS RECONCILIATION, GOOD UNDERSTANDING AND A BALANCE FOUND AGAIN, ONE "
    "STEP AT A TIME.",
    // 15 The Devil
    "INSTINCT, PASSION AND POWERFUL DESIRES. AN ATTRACTION OR AN AMBITION DRIVES YOU "
    "INTENSELY. LIVED WITH A CLEAR HEAD, THIS ENERGY BECOMES A REAL ASSET; JUST BEWARE OF "
    "WHATEVER WOULD CHAIN YOU.",
    // 16 Destruction Tower
    "A SUDDEN UPHEAVAL SHAKES WHAT SEEMED SETTLED. WALLS THAT HAD GROWN TOO NARROW COME "
    "DOWN AND THE LIGHT POURS IN. THIS SHOCK SETS YOU FREE AND OPENS THE WAY TO A TRUER, "
    "HEALTHIER SITUATION.",
    // 17 The Star
    "HOPE, INSPIRATION AND KINDLY PROTECTION. A LIGHT GUIDES YOUR STEPS AND CONFIDENCE "
    "RETURNS. YOUR GIFTS ARE RECOGNISED AND YOUR WISHES MEET A WARM RESPONSE: LET THIS "
    "BRIGHT ENERGY CARRY YOU.",
    // 18 The Moon
    "DREAMS, IMAGINATION AND SENSITIVITY. NOT EVERYTHING IS CLEAR YET AND APPEARANCES MAY "
    "DECEIVE. TRUST YOUR INTUITION AND LET YOUR FEELINGS SETTLE: THE TRUTH WILL SHOW "
    "ITSELF IN ITS OWN TIME.",
    // 19 The Sun
    "JOY, SUCCESS AND WARMTH. LIGHT SHINES ON YOUR SITUATION AND WARMS YOUR "
    "RELATIONSHIPS. A TIME OF CLARITY, TRUE FRIENDSHIP, SHARED SUCCESS AND THE SIMPLE "
    "HAPPINESS OF BEING ALIVE.",
    // 20 Judgement
    "RENEWAL, AWAKENING AND AN INNER CALL. A NEW CHAPTER BEGINS: GOOD NEWS OR A SUDDEN "
    "INSIGHT FREES YOU FROM THE PAST. ANSWER THIS CALL, FOR IT LEADS YOU TOWARDS A FULLER "
    "LIFE.",
    // 21 The World
    "FULFILMENT AND COMPLETE SUCCESS. A CYCLE COMES TO A HAPPY CLOSE AND YOUR EFFORTS ARE "
    "CROWNED. YOU ARE WHERE YOU BELONG, IN HARMONY WITH THE WORLD, AND NEW HORIZONS OPEN "
    "BEFORE YOU.",
    // 22 The Fool
    "FREEDOM, SPONTANEITY AND A LEAP INTO THE UNKNOWN. YOU SET OFF TRAVELLING LIGHT, "
    "READY TO FOLLOW YOUR OWN ROAD. KEEP AN OPEN MIND AND A LITTLE CAUTION: THE JOURNEY "
    "HOLDS WONDERFUL DISCOVERIES.",
};

} // namespace

const std::array<std::string_view, 22>& significationsFrancaises() { return francaises; }

const std::array<std::string_view, 22>& significationsAnglaises() { return anglaises; }

} // namespace lunespiral
