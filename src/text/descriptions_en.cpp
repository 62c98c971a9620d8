// English descriptions of the seven memory types, one per band of activeness.
// One source line per text line, so that an editor can work on the wording directly.
#include "text/descriptions.hpp"

namespace mr {

// clang-format off
const DescriptionTable kEnglishDescriptions = {
    // Motorical type (sport)
    {
        // band 0
        u"About 5% :\r"
        u"Your coordination is weak; new movements take endless repetition.\r"
        u"Your ability to learn through movement is very limited.\r"
        u"A career in sport is out of the question.",
        // band 1
        u"About 10% :\r"
        u"Your body is slow to remember an exercise and quick to forget it.\r"
        u"Learning through movement is hard work for you.\r"
        u"Keep fit for your health, but don't count on a sporting career.",
        // band 2
        u"About 30% :\r"
        u"You master simple movements, but complex ones need long practice.\r"
        u"Your ability to learn physical skills is below average.\r"
        u"An amateur team or a weekend club is about as far as you will go.",
        // band 3
        u"About 35% :\r"
        u"Your coordination is almost normal, but your stamina lets you down.\r"
        u"Learning through movement is close to the norm.\r"
        u"Sport can be a pleasant hobby for you, though hardly a profession.",
        // band 4
        u"About 45% :\r"
        u"Your body picks up new movements readily and keeps them for years.\r"
        u"You have good coordination and a steady sense of balance.\r"
        u"Learning through movement comes easily to you.\r"
        u"You could do well as a fitness instructor or a swimming coach.",
        // band 5
        u"About 55% :\r"
        u"Strength, speed and endurance are well balanced in you.\r"
        u"You master the technique of a new sport after a few sessions.\r"
        u"Motor skills come to you faster than to most people.\r"
        u"A career as a professional athlete is well within your reach.",
        // band 6
        u"About 65% :\r"
        u"Excellent coordination and a fine sense of rhythm in every movement.\r"
        u"Team games suit you: you read the field and react at once.\r"
        u"Hard training doesn't wear you out; it charges you up.\r"
        u"You learn through movement quickly and with pleasure.\r"
        u"Athlete or coach: either way, sport is your natural element.",
        // band 7
        u"About 70% :\r"
        u"Your muscle memory is outstanding: a movement once learned stays for good.\r"
        u"You master complex techniques faster than anyone around you.\r"
        u"Learning by doing is your great strength.\r"
        u"Competitive sport at the highest level is your calling.",
        // band 8
        u"About 90% :\r"
        u"You can hardly sit still: a day without exercise leaves you restless.\r"
        u"You learn movements fast, but overtraining and injury are real risks.\r"
        u"Professional sport suits you, provided a good coach keeps you in check.",
        // band 9
        u"About 95% :\r"
        u"Movement has become a need as strong as hunger.\r"
        u"You drive your body to its limits and beyond, ignoring pain and fatigue.\r"
        u"You learn any movement at once, yet hardly ever stop to rest.\r"
        u"Extreme sports or stunt work would suit you, if you learn to take breaks.",
        // band 10
        u"About 100% :\r"
        u"You don’t walk, you run, and you never seem to get tired.\r"
        u"Stillness feels like a punishment, and rest like wasted time.\r"
        u"Even in your sleep your legs keep on moving.\r"
        u"Aren’t you a \"Perpetuum Mobile\"?"
    },
    // Sensual type (music, the stage)
    {
        // band 0
        u"About 5% :\r"
        u"Emotions touch you only lightly and leave little trace in memory.\r"
        u"Music seldom moves you, and you forget a melody almost at once.\r"
        u"Your ability to learn through feelings and impressions is very limited.\r"
        u"The stage is definitely not the place for you.",
        // band 1
        u"About 10% :\r"
        u"You keep your feelings at a distance and don’t let them show.\r"
        u"A tune rarely stays in your head for long.\r"
        u"Emotional learning is weak: you remember facts, not moods.\r"
        u"It’s hard for you to express joy or sorrow in public.\r"
        u"A career as an actor or a singer is not for you.",
        // band 2
        u"About 30% :\r"
        u"Your feelings are calm and even; strong emotions tire you.\r"
        u"You enjoy music, but rarely remember what you have heard.\r"
        u"Your ability to learn through emotions is below average.\r"
        u"An amateur choir, perhaps, but hardly a professional stage.",
        // band 3
        u"About 35% :\r"
        u"Your emotional memory is nearly normal.\r"
        u"A good film or a concert can move you,\r"
        u"though the impression fades within a day or two.\r"
        u"Learning through feelings is close to the norm.\r"
        u"Music may stay a hobby, but it won't become your profession.",
        // band 4
        u"About 45% :\r"
        u"You feel music deeply and remember it well.\r"
        u"Other people's moods are easy for you to sense.\r"
        u"Learning through emotions and impressions comes naturally to you.\r"
        u"You would make a good music teacher or choir leader.",
        // band 5
        u"About 55% :\r"
        u"Your feelings are vivid and sincere, and you know how to share them.\r"
        u"A melody heard once stays with you for a long time.\r"
        u"You learn well through emotions and live impressions.\r"
        u"The stage does not frighten you; it inspires you.\r"
        u"A career as a singer, a musician or an actor suits you.",
        // band 6
        u"About 65% :\r"
        u"You have a rich emotional memory and a fine ear for music.\r"
        u"You can bring an audience to tears or to laughter at will.\r"
        u"Feelings are your best teacher: what moves you, you never forget.\r"
        u"Actor, singer or conductor: the stage is your calling.",
        // band 7
        u"About 70% :\r"
        u"Your emotional memory is outstanding: you recall every feeling in detail.\r"
        u"Music and drama are a second language to you, learned with ease.\r"
        u"A great future awaits you on the stage or in the concert hall.",
        // band 8
        u"About 90% :\r"
        u"Your emotions are very strong and sometimes get the upper hand.\r"
        u"A sad song can spoil your whole day.\r"
        u"You learn through feelings at once, but you also judge by them.\r"
        u"Beware of mood swings and of living through other people's dramas.\r"
        u"The stage suits you, if you leave the role behind after the show.",
        // band 9
        u"About 95% :\r"
        u"Feelings overwhelm you, and every small event becomes a drama.\r"
        u"You live from one emotional peak to the next.\r"
        u"Emotional learning is extreme: you remember every slight for years.\r"
        u"Nervous exhaustion and fits of temper are real risks for you.\r"
        u"Try to keep some distance from your own emotions.\r"
        u"A music critic's career would let you feel everything and still keep your head.",
        // band 10
        u"About 100% :\r"
        u"Every trifle sets your passions on fire.\r"
        u"Laughter and tears follow each other within a minute.\r"
        u"Are you sure your heart can stand such a show every day?"
    },
    // Imaging type (visual arts)
    {
        // band 0
        u"About 5% :\r"
        u"Your visual memory is weak: faces and places fade quickly.\r"
        u"It’s hard for you to picture something you haven’t seen.\r"
        u"Learning through images is very limited.\r"
        u"Painting or design won’t become your profession.",
        // band 1
        u"About 10% :\r"
        u"You see the world in plain outlines with few colours.\r"
        u"Drawing from imagination doesn’t come easily to you.\r"
        u"Your ability to learn through pictures and diagrams is poor.\r"
        u"An artist’s career is hardly your path.",
        // band 2
        u"About 30% :\r"
        u"Your imagination works, but it needs a push from outside.\r"
        u"You remember a picture as a whole,\r"
        u"but the details slip away.\r"
        u"Your visual learning is a little below average.\r"
        u"You can arrange a room nicely, but designing a house isn’t for you.\r"
        u"Art will remain a pleasant hobby rather than a career.",
        // band 3
        u"About 35% :\r"
        u"Your visual memory is close to normal.\r"
        u"You can sketch what you see, though your own ideas come slowly.\r"
        u"Your visual learning is about average.\r"
        u"Technical drawing may suit you; painting hardly will.",
        // band 4
        u"About 45% :\r"
        u"You have a lively imagination and a good eye for colour and form.\r"
        u"You learn easily through pictures, diagrams and models.\r"
        u"Consider a career as a designer or an illustrator.",
        // band 5
        u"About 55% :\r"
        u"You see pictures in your mind as clearly as on paper.\r"
        u"Your sense of composition and proportion is reliable.\r"
        u"Learning through images is well above average for you.\r"
        u"Architecture, design or painting: any of them would suit you.",
        // band 6
        u"About 65% :\r"
        u"Your imagination is rich and original.\r"
        u"You remember colours, shapes and faces with great precision.\r"
        u"Visual learning is excellent: one look is often enough.\r"
        u"You could become a talented painter or architect.",
        // band 7
        u"About 70% :\r"
        u"Your visual memory is remarkable:\r"
        u"you can reproduce a scene years after you saw it.\r"
        u"Your imagination creates whole worlds without any effort.\r"
        u"You learn through images faster than through words.\r"
        u"The fine arts, film or architecture will give your gift room to grow.",
        // band 8
        u"About 90% :\r"
        u"Your imagination sometimes runs ahead of reality.\r"
        u"Daydreams can crowd out your everyday duties.\r"
        u"You learn from pictures instantly, but find dry texts tedious.\r"
        u"Take care not to lose the line between fantasy and fact.\r"
        u"A career in painting or animation would put your visions to good use.",
        // band 9
        u"About 95% :\r"
        u"You live among images that only you can see.\r"
        u"Your fantasies are so vivid that they seem real.\r"
        u"You learn through images at once, yet plain words hardly reach you.\r"
        u"The risk is escaping from life into a world of your own.\r"
        u"Stage design could channel this gift, if you keep your feet on the ground.",
        // band 10
        u"About 100% :\r"
        u"Pictures flash through your mind day and night.\r"
        u"You see faces in the clouds and castles in every puddle.\r"
        u"Reality looks grey beside your dreams.\r"
        u"Are you quite sure that you are awake right now?"
    },
    // Logical type (exact sciences)
    {
        // band 0
        u"About 5% :\r"
        u"Long chains of reasoning are hard for you to follow.\r"
        u"You easily lose the thread of an argument\r"
        u"and forget the order of steps in a task.\r"
        u"Your ability to learn through logic is very limited.\r"
        u"Mathematics and programming are not your field.",
        // band 1
        u"About 10% :\r"
        u"Numbers and formulas slip from your memory.\r"
        u"You would rather trust your intuition than a proof.\r"
        u"Learning through logic is poor.\r"
        u"A career in science or engineering would be a struggle for you.",
        // band 2
        u"About 30% :\r"
        u"You can follow simple reasoning, but long proofs tire you.\r"
        u"Mental arithmetic takes you some effort.\r"
        u"Your logical learning is below average.\r"
        u"Bookkeeping, perhaps, but research is not for you.",
        // band 3
        u"About 35% :\r"
        u"You seldom make mistakes when recalling a chain of logical steps. \r"
        u"School mathematics gives you no trouble.\r"
        u"Learning by logic is within the normal range.\r"
        u"Still, a teaching career in the exact sciences is not your path.",
        // band 4
        u"About 45% :\r"
        u"Your thinking is clear and consistent.\r"
        u"You solve problems step by step and rarely go astray.\r"
        u"Learning by logic comes easily to you.\r"
        u"You would make a competent engineer or programmer.",
        // band 5
        u"About 55% :\r"
        u"You see the structure of a problem at a glance.\r"
        u"Formulas, rules and algorithms stay in your memory for years.\r"
        u"Your logical learning is well above average.\r"
        u"A career as a mathematician, analyst or programmer suits you.",
        // band 6
        u"About 65% :\r"
        u"Your logic is sharp and your conclusions are well founded.\r"
        u"You spot the flaw in any argument at once.\r"
        u"Your ability to learn through reasoning is excellent.\r"
        u"Physics, mathematics or computer science will welcome you.",
        // band 7
        u"About 70% :\r"
        u"You think in systems and hold long chains of proof in your head.\r"
        u"Complex theories become simple in your hands.\r"
        u"New branches of mathematics take you days, not years.\r"
        u"You may well make discoveries in the exact sciences.\r"
        u"Research scientist or chief analyst: either suits you.",
        // band 8
        u"About 90% :\r"
        u"Logic rules your life, even where feelings should have a say.\r"
        u"You demand proof of everything, even of a compliment.\r"
        u"You learn by logic instantly, but the illogical drives you mad.\r"
        u"Others may find you cold and pedantic.\r"
        u"Leave some room for intuition.\r"
        u"Theoretical research or software architecture is your field.",
        // band 9
        u"About 95% :\r"
        u"You analyse every step, every word and every glance.\r"
        u"Overthinking can paralyse you before every decision.\r"
        u"Your logical learning is extreme; beware of mental exhaustion.\r"
        u"Pure mathematics may be the one place where this is an advantage.",
        // band 10
        u"About 100% :\r"
        u"You have turned your whole life into a system of theorems.\r"
        u"Even your breakfast follows a strict algorithm.\r"
        u"Are you sure you're not a computer?"
    },
    // Aiming type (advertising)
    {
        // band 0
        u"About 5% :\r"
        u"You rarely set yourself goals and tend to drift with the current.\r"
        u"Plans are made, then quickly forgotten.\r"
        u"Your ability to learn through goals and tasks is very limited.\r"
        u"Advertising and sales are not your world.",
        // band 1
        u"About 10% :\r"
        u"You find it hard to choose between goals, and harder still to reach them.\r"
        u"Other people's aims often take the place of your own.\r"
        u"Learning through set tasks is poor.\r"
        u"You are unlikely to succeed as an advertising agent.",
        // band 2
        u"About 30% :\r"
        u"You can keep to a goal if someone reminds you of it.\r"
        u"Your goal-directed learning is below average.\r"
        u"Selling ideas to others is not your strong point.",
        // band 3
        u"About 35% :\r"
        u"Your goals are modest but realistic, and you usually reach them.\r"
        u"Learning through aims is close to normal.\r"
        u"A marketing job? Possible, but don't expect to shine.",
        // band 4
        u"About 45% :\r"
        u"You set clear goals and know how to move towards them.\r"
        u"Learning with a target in mind comes easily to you.\r"
        u"You could work well as a marketer or a sales agent.",
        // band 5
        u"About 55% :\r"
        u"You know how to make others want what you offer.\r"
        u"Your goal-directed learning is well above average.\r"
        u"Advertising, marketing or public relations would suit you.",
        // band 6
        u"About 65% :\r"
        u"Purposeful and persuasive, you find the shortest way to any goal.\r"
        u"A good slogan comes to you in a minute.\r"
        u"Your ability to learn through aims is excellent.\r"
        u"You could succeed as a copywriter or an advertising manager.",
        // band 7
        u"About 70% :\r"
        u"You see the goal clearly, and the road to it even more clearly.\r"
        u"Your campaigns win attention, and your words make people act.\r"
        u"Give you a target, and you will learn whatever it takes to hit it.\r"
        u"Running an advertising agency is a realistic ambition for you.",
        // band 8
        u"About 90% :\r"
        u"Goals easily become an obsession with you.\r"
        u"You may sacrifice rest, friends and health to hit a target.\r"
        u"You learn fast, but drop whatever doesn't serve the goal.\r"
        u"Beware of burnout after every campaign.\r"
        u"Advertising is your field, if you learn to stop in time.",
        // band 9
        u"About 95% :\r"
        u"You chase one goal after another without a pause.\r"
        u"Every conversation turns into a sales pitch.\r"
        u"The end begins to justify any means.\r"
        u"Learning through aims is extreme, and very narrow.\r"
        u"People around you may grow tired of being persuaded.\r"
        u"High-pressure sales would suit you, but keep your conscience awake.",
        // band 10
        u"About 100% :\r"
        u"Have you sold sand to the Sahara yet?"
    },
    // Managing type (business)
    {
        // band 0
        u"About 5% :\r"
        u"Rules and principles slip from your memory.\r"
        u"You find it hard to organise even your own day.\r"
        u"Your ability to learn through order and structure is very limited.\r"
        u"Managing people or money is not for you.",
        // band 1
        u"About 10% :\r"
        u"You prefer to follow instructions rather than give them.\r"
        u"Keeping several tasks in order is a strain for you.\r"
        u"Learning through rules and systems is poor.\r"
        u"You would feel uncomfortable in a director's chair.",
        // band 2
        u"About 30% :\r"
        u"You can run a household well enough, but a team is beyond you.\r"
        u"Your learning through structure and principle is below average.\r"
        u"An office clerk, perhaps, but not a manager.",
        // band 3
        u"About 35% :\r"
        u"You keep to principles and plans fairly well.\r"
        u"Organising a small group causes you no serious trouble,\r"
        u"but greater responsibility makes you nervous.\r"
        u"Learning through rules is close to normal.\r"
        u"Business may earn you a living, but hardly a fortune.",
        // band 4
        u"About 45% :\r"
        u"You are well organised and you keep your word.\r"
        u"People trust you to make plans and to share out the work.\r"
        u"Learning through rules and structure comes easily to you.\r"
        u"You would make a reliable manager or head of department.",
        // band 5
        u"About 55% :\r"
        u"You see how a business works as a whole.\r"
        u"Your decisions are balanced and your principles firm.\r"
        u"Your ability to learn through structure is well above average.\r"
        u"A career as an entrepreneur or a company director suits you.",
        // band 6
        u"About 65% :\r"
        u"Born to lead.  People follow you willingly, and the figures add up.\r"
        u"Learning through principles and systems is excellent.\r"
        u"Banker, director or founder of your own firm: all are within reach.",
        // band 7
        u"About 70% :\r"
        u"Your grasp of management is outstanding:\r"
        u"you keep every detail of a large enterprise in mind.\r"
        u"You learn the rules of any market quickly.\r"
        u"Big business or banking is your natural field.",
        // band 8
        u"About 90% :\r"
        u"You want to control everything and everyone.\r"
        u"Rules begin to matter more to you than people.\r"
        u"You learn through structure at once, but find it hard to delegate.\r"
        u"Your staff may fear you rather than respect you.\r"
        u"Watch out for overwork and stress.\r"
        u"Your place is at the head of a large company.",
        // band 9
        u"About 95% :\r"
        u"Power and order have become ends in themselves.\r"
        u"You may turn a family dinner into a board meeting.\r"
        u"Learning through principles is extreme, and so is your rigidity.\r"
        u"Risks: tyranny at work, loneliness at home and heart trouble.\r"
        u"Learn to trust others, and to lose now and then.\r"
        u"A corporation will suit you, as long as someone else plans your holidays.",
        // band 10
        u"About 100% :\r"
        u"Aren't you planning to privatise the Solar System?"
    },
    // Worldoutlooking type (science and religion)
    {
        // band 0
        u"About 5% :\r"
        u"Questions about the meaning of life hardly concern you.\r"
        u"You live for today and seldom look at the bigger picture.\r"
        u"Your ability to learn through ideas and world views is very limited.\r"
        u"Philosophy and theology are not your field.",
        // band 1
        u"About 10% :\r"
        u"General laws and abstract ideas leave you cold.\r"
        u"You accept the world as it is, without asking why.\r"
        u"Learning through concepts is poor.\r"
        u"A scientist's or a priest's career is hardly for you.",
        // band 2
        u"About 30% :\r"
        u"Now and then you wonder how the world works,\r"
        u"but the answers soon slip from your mind.\r"
        u"Your views are borrowed rather than your own.\r"
        u"Learning through broad ideas is below average.\r"
        u"Popular science books will do; a research career will not.",
        // band 3
        u"About 35% :\r"
        u"Your world view is settled and fairly consistent.\r"
        u"You know the basic laws of nature and can explain them.\r"
        u"Learning through general principles is close to normal.\r"
        u"You could teach science at school, but philosophy is not your path.",
        // band 4
        u"About 45% :\r"
        u"You like to reflect on the laws of nature and of human life.\r"
        u"Learning through ideas and concepts comes easily to you.\r"
        u"A career in science or in education would suit you.",
        // band 5
        u"About 55% :\r"
        u"Your outlook is broad and well grounded.\r"
        u"You can see how science and faith each answer their own questions.\r"
        u"Your ability to learn through general ideas is above average.\r"
        u"You could become a good scientist, philosopher or historian.",
        // band 6
        u"About 65% :\r"
        u"You see the world as a whole, where every fact has its place.\r"
        u"Your world view is deep, independent and ready for new knowledge.\r"
        u"Learning through ideas and great systems of thought is excellent.\r"
        u"Philosopher, scientist or theologian: any of these paths would suit your open mind.",
        // band 7
        u"About 70% :\r"
        u"You grasp the laws of nature and of society with remarkable depth.\r"
        u"Your views can change the minds of other people.\r"
        u"You master a new field of knowledge in a remarkably short time.\r"
        u"A great future in science, philosophy or theology is open to you.",
        // band 8
        u"About 90% :\r"
        u"Your convictions are very strong and hard to shake.\r"
        u"You tend to see the whole world through a single idea.\r"
        u"You take in ideas quickly, but only those that agree with yours.\r"
        u"Watch out for intolerance and fanaticism.\r"
        u"Your calling may be the life of a priest or a theologian.",
        // band 9
        u"About 95% :\r"
        u"You believe you have found the answer to every question.\r"
        u"Doubters annoy you, and every dialogue turns into a sermon.\r"
        u"Learning through ideas is extreme, but only along one line.\r"
        u"The risk of fanaticism and of breaking with friends is high.\r"
        u"Remember that even great thinkers have been wrong.\r"
        u"A preacher's or a missionary's path may attract you.",
        // band 10
        u"About 100% :\r"
        u"Hope, you are not going to declare yourself as Prophet!"
    },
};
// clang-format on

}  // namespace mr
